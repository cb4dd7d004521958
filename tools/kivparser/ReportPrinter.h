#ifndef KIVPARSER_TOOL_REPORTPRINTER_H
#define KIVPARSER_TOOL_REPORTPRINTER_H

#include "CommandLine.h"

#include <kivparser/kivparser.h>

#include <cstdio>
#include <string>
#include <vector>

// The forms in which the tool prints the library's reports.
enum ReportFormat {
    FORMAT_TEXT, // the library's own: framed reports and progress lines on standard output
    FORMAT_GNU,  // one line per report on standard error: FILE:LINE:COLUMN: error: MESSAGE [RULE]
    FORMAT_JSON  // one JSON object per report and line on standard error
};

// Prints the reports of the library in the chosen form, at most a given
// number per file (then one line says how many were left out), leaving out
// the rules that were disabled. For the text form without a limit a command
// may let the library print them itself (install); otherwise the printer is
// the library's report handler while it exists.
class ReportPrinter {
public:
    // The options of every command that loads: --format and --max-reports;
    // of those that judge files: --strict; of lint: --disable and --enable.
    static const OptionSpec formatOption;
    static const OptionSpec maxReportsOption;
    static const OptionSpec strictOption;
    static const OptionSpec disableOption;
    static const OptionSpec enableOption;
    // The lines of the options for --help.
    static const char* const optionHelp;
    static const char* const strictHelp;
    static const char* const rulesHelp;

    ReportPrinter() = default;
    ~ReportPrinter();

    // Takes the options from `line`; false, with a message in `error`, when
    // their values are wrong.
    bool configure(const CommandLine& line, std::string& error);
    // Starts receiving the library's reports when they are to be changed
    // (another form, a limit).
    void install();
    // Starts receiving them in any case.
    void installAlways();

    ReportFormat format() const { return reportFormat; }
    bool strict() const { return strictMode; }
    // A summary line: the counts of `file`, or the total when `file` is
    // null ("FILE: errors: N, warnings: M", "total: ..."). The text form
    // prints it on standard output; gnu and json print it on standard error
    // after the reports, json as an object {"kind":"summary","file",
    // "errors","warnings"} or {"kind":"total","errors","warnings"}, so that
    // standard error stays JSON Lines.
    void printCounts(const char* file, int errors, int warnings) const;
    // The linter rules to run: those enabled by default, less --disable,
    // plus --enable.
    const std::vector<const char*>& lintRules() const { return lintRuleNames; }
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

    // The errors and warnings received (those of disabled rules left out).
    int errors() const { return errorCount; }
    int warnings() const { return warningCount; }

    // In the gnu form the message's double quotes are written as single
    // quotes (Menu 'File'), as compilers quote names: Vim's default error
    // format takes '"NAME" ... 12: ' anywhere in a line for a file and line.
    //
    // `text` as one line of the gnu form: line breaks and other control
    // characters are written as escapes (\n, \t, \x1b), so that nothing in a
    // message can start a line that an editor would take for a report.
    static std::string oneLine(const char* text);

private:
    static void receive(const kivparser::ParserReport* report, void* context);
    void printGnu(const kivparser::ParserReport& report, const char* file);
    bool disabled(const char* rule) const;

    ReportFormat reportFormat = FORMAT_TEXT;
    long maxReports = -1; // no limit
    bool strictMode = false;
    bool installed = false;
    const char* unnamedFile = nullptr;
    std::vector<std::string> disabledRules;
    std::vector<const char*> lintRuleNames;
    int errorCount = 0;
    int warningCount = 0;
    // The file whose reports are being counted, and the counts.
    std::string currentFile;
    long shown = 0;
    long omitted = 0;
};

#endif
