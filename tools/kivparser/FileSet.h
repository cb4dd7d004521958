#ifndef KIVPARSER_TOOL_FILESET_H
#define KIVPARSER_TOOL_FILESET_H

#include "ReportPrinter.h"

#include <kivparser/kivparser.h>

#include <string>
#include <vector>

// Registration files named on the command line, parsed in the order given as
// a loader parses the files of a directory: into one set of registrations
// (a name defined again in a later file is a duplicate). "-" is standard
// input, named <stdin> in the reports. Owns the registrations it made.
class FileSet {
public:
    struct Counts {
        std::string file;
        int errors;
        int warnings;
    };

    FileSet() = default;
    ~FileSet();
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;

    // Parses the files, reporting through `printer` (whose handler is
    // installed); with the text form each file is announced as the loaders
    // announce it.
    void parse(const std::vector<char*>& files, ReportPrinter& printer);

    const std::vector<Counts>& counts() const { return fileCounts; }
    kivparser::ApplicationRegistration* applications() const { return arf; }

    // Prints one summary line per file and the total through `printer`;
    // the totals.
    void printSummary(const ReportPrinter& printer, int& errors, int& warnings) const;

private:
    kivparser::ApplicationRegistration* arf = nullptr;
    kivparser::SymbolRegistration* srf = nullptr;
    kivparser::FieldRegistration* frf = nullptr;
    kivparser::SnmppvReg* svrf = nullptr;
    std::vector<Counts> fileCounts;
};

#endif
