#ifndef KIVPARSER_TOOL_REPORTPRINTER_H
#define KIVPARSER_TOOL_REPORTPRINTER_H

#include "CommandLine.h"

#include <kivparser/kivparser.h>

#include <string>

// The forms in which the tool prints the library's reports.
enum ReportFormat {
    FORMAT_TEXT, // the library's own: framed reports and progress lines on standard output
    FORMAT_GNU,  // one line per report on standard error: FILE:LINE: error: MESSAGE
    FORMAT_JSON  // one JSON object per report and line on standard error
};

// Prints the reports of the library in the chosen form, at most a given
// number per file (then one line says how many were left out). For the text
// form without a limit the library prints them itself; otherwise the printer
// is the library's report handler while it exists.
class ReportPrinter {
public:
    // The options of every command that loads: --format and --max-reports.
    static const OptionSpec formatOption;
    static const OptionSpec maxReportsOption;
    // The lines of the options for --help.
    static const char* const optionHelp;

    ReportPrinter() = default;
    ~ReportPrinter();

    // Takes the options from `line`; false, with a message in `error`, when
    // their values are wrong.
    bool configure(const CommandLine& line, std::string& error);
    // Starts receiving the library's reports (when they are to be changed).
    void install();

    ReportFormat format() const { return reportFormat; }
    // The name of the file that reports without one are about (standard input).
    void setUnnamedFile(const char* name) { unnamedFile = name; }

    // Prints one report, or counts it as left out.
    void print(const kivparser::ParserReport& report);
    // Ends the reports of the file at hand: says how many were left out.
    void endFile();
    // Ends the last file and gives the library its own printing back.
    void finish();
    // A message of the tool itself about no file ("no ... found in ..."), on
    // standard error.
    void toolError(const std::string& message);

private:
    static void receive(const kivparser::ParserReport* report, void* context);
    void printGnu(const kivparser::ParserReport& report, const char* file);

    ReportFormat reportFormat = FORMAT_TEXT;
    long maxReports = -1; // no limit
    bool installed = false;
    const char* unnamedFile = nullptr;
    // The file whose reports are being counted, and the counts.
    std::string currentFile;
    long shown = 0;
    long omitted = 0;
};

#endif
