#ifndef KIVPARSER_TOOL_LSP_REPORTCAPTURE_H
#define KIVPARSER_TOOL_LSP_REPORTCAPTURE_H

#include <kivparser/kivparser.h>

#include <map>
#include <string>
#include <vector>

// A place that a report points to besides its own.
struct ReportPlace {
    std::string file;
    int line = 0;
    int column = 0;
    std::string text;
};

// One report of the library, copied out of its record.
struct CapturedReport {
    kivparser::ReportKind kind = kivparser::RPT_ERROR;
    int line = 0;
    int column = 0; // 0: the line alone is known
    int endLine = 0;
    int endColumn = 0;
    std::string message; // as an editor shows it: one paragraph, with the token and the reason
    std::string rule;    // the diagnostic's name; empty when it has none
    std::vector<ReportPlace> related;
    std::vector<std::string> expected; // a syntax error: what the grammar would have taken
    std::string token;                 // a syntax error: the token it stopped at
    bool syntax = false;
};

// Receives the library's reports on this thread while it lives and keeps
// them per file, in the order they came (as the parser named the file).
class ReportCapture {
public:
    ReportCapture();
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    const std::map<std::string, std::vector<CapturedReport>>& byFile() const { return reports; }
    std::map<std::string, std::vector<CapturedReport>>& byFile() { return reports; }
    // Reports that name no file (memory running out in a loader ...).
    const std::vector<CapturedReport>& unplaced() const { return withoutFile; }

    // The report as it is kept.
    static CapturedReport copy(const kivparser::ParserReport& report);

private:
    void receive(const kivparser::ParserReport& report);

    std::map<std::string, std::vector<CapturedReport>> reports;
    std::vector<CapturedReport> withoutFile;
    kivparser::ParserReportScope scope;
};

#endif
