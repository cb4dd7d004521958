#include "ReportPrinter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kivparser;

const OptionSpec ReportPrinter::formatOption = {"--format", true};
const OptionSpec ReportPrinter::maxReportsOption = {"--max-reports", true};
const OptionSpec ReportPrinter::strictOption = {"--strict", false};
const OptionSpec ReportPrinter::disableOption = {"--disable", true};
const OptionSpec ReportPrinter::enableOption = {"--enable", true};
const char* const ReportPrinter::optionHelp =
    "  --format=text|gnu|json\n"
    "                  how problems are reported: text (the default: framed\n"
    "                  reports on standard output), gnu (one line per problem on\n"
    "                  standard error, FILE:LINE:COLUMN: error: MESSAGE [RULE],\n"
    "                  and a note line per related place) or json (one JSON\n"
    "                  object per problem and line on standard error)\n"
    "  --max-reports N\n"
    "                  print at most N problems per file (all are counted), then\n"
    "                  one line that says how many were left out\n";
const char* const ReportPrinter::strictHelp =
    "  --strict        warnings fail too: the exit status is 1 when there was one\n";
const char* const ReportPrinter::rulesHelp =
    "  --disable=RULE[,RULE]\n"
    "                  do not report these rules (see RULES in kivparser(1))\n"
    "  --enable=RULE[,RULE]\n"
    "                  also check these rules, which are off by default\n";

ReportPrinter::~ReportPrinter()
{
    finish();
}

void ReportPrinter::finish()
{
    endFile();
    if (installed)
        setParserReportHandler(nullptr, nullptr);
    installed = false;
}

namespace {

// The names of a comma-separated list; false, with a message, for one that
// is not a rule.
bool ruleList(const char* list, std::vector<std::string>& names, std::string& error)
{
    std::string rest = list ? list : "";
    size_t start = 0;
    while (start <= rest.size()) {
        size_t comma = rest.find(',', start);
        std::string name = rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!findDiagnosticRule(name.c_str())) {
            error = "unknown rule '" + name + "' (kivparser(1) lists them under RULES)";
            return false;
        }
        names.push_back(name);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return true;
}

} // namespace

bool ReportPrinter::configure(const CommandLine& line, std::string& error)
{
    if (const char* format = line.value(formatOption.name)) {
        if (std::strcmp(format, "text") == 0) {
            reportFormat = FORMAT_TEXT;
        } else if (std::strcmp(format, "gnu") == 0) {
            reportFormat = FORMAT_GNU;
        } else if (std::strcmp(format, "json") == 0) {
            reportFormat = FORMAT_JSON;
        } else {
            error = std::string("unknown format '") + format + "' (text, gnu or json)";
            return false;
        }
    }
    if (const char* max = line.value(maxReportsOption.name)) {
        char* end = nullptr;
        errno = 0;
        long value = std::strtol(max, &end, 10);
        if (*max < '0' || *max > '9' || *end != '\0' || errno == ERANGE) {
            error = std::string("--max-reports wants a number, not '") + max + "'";
            return false;
        }
        maxReports = value;
    }
    strictMode = line.has(strictOption.name);
    std::vector<std::string> enabled;
    if (line.has(disableOption.name) && !ruleList(line.value(disableOption.name), disabledRules, error))
        return false;
    if (line.has(enableOption.name) && !ruleList(line.value(enableOption.name), enabled, error))
        return false;
    lintRuleNames.clear();
    for (int i = 0; i < diagnosticRuleCount(); i++) {
        const DiagnosticRule* rule = diagnosticRule(i);
        bool asked = std::find(enabled.begin(), enabled.end(), rule->name) != enabled.end();
        if (asked)
            disabledRules.erase(std::remove(disabledRules.begin(), disabledRules.end(), rule->name), disabledRules.end());
        if (rule->lintOnly && (rule->enabledByDefault || asked) && !disabled(rule->name))
            lintRuleNames.push_back(rule->name);
    }
    return true;
}

bool ReportPrinter::disabled(const char* rule) const
{
    return rule && std::find(disabledRules.begin(), disabledRules.end(), rule) != disabledRules.end();
}

void ReportPrinter::install()
{
    if (reportFormat == FORMAT_TEXT && maxReports < 0)
        return;
    installAlways();
}

void ReportPrinter::installAlways()
{
    setParserReportHandler(&ReportPrinter::receive, this);
    installed = true;
}

void ReportPrinter::receive(const ParserReport* report, void* context)
{
    static_cast<ReportPrinter*>(context)->print(*report);
}

void ReportPrinter::print(const ParserReport& given)
{
    if (disabled(given.rule))
        return;
    ParserReport report = given;
    if (!report.file && unnamedFile && report.kind != RPT_PROGRESS)
        report.file = unnamedFile;

    if (report.kind == RPT_PROGRESS) {
        // Progress lines come between the files of a load.
        endFile();
    } else {
        if (report.kind == RPT_WARNING)
            warningCount++;
        else if (report.kind != RPT_NOTE)
            errorCount++;
        std::string file = report.file ? report.file : "";
        if (file != currentFile) {
            endFile();
            currentFile = file;
        }
        if (maxReports >= 0 && shown >= maxReports) {
            omitted++;
            return;
        }
        shown++;
    }

    switch (reportFormat) {
    case FORMAT_TEXT:
        printParserReport(&report);
        break;
    case FORMAT_GNU:
        if (report.kind == RPT_PROGRESS)
            std::fputs(report.message, stderr);
        else
            printGnu(report, report.file);
        break;
    case FORMAT_JSON:
        writeParserReportJson(stderr, &report);
        break;
    }
}

std::string ReportPrinter::oneLine(const char* text)
{
    std::string line;
    for (const char* p = text ? text : ""; *p; p++) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\t') {
            line += "\\t";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            line += escape;
        } else {
            line += static_cast<char>(c);
        }
    }
    return line;
}

namespace {

// FILE:LINE:COLUMN, FILE:LINE or FILE, as much as is known.
std::string place(const char* file, int line, int column)
{
    std::string text = ReportPrinter::oneLine(file);
    if (line > 0) {
        text += ":" + std::to_string(line);
        if (column > 0)
            text += ":" + std::to_string(column);
    }
    return text;
}

} // namespace

void ReportPrinter::printGnu(const ParserReport& report, const char* file)
{
    std::string message = report.message ? report.message : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (report.errnoValue)
        message += std::string(": ") + std::strerror(report.errnoValue);
    if (report.kind == RPT_SYNTAX && report.token)
        message += *report.token ? std::string(" near '") + report.token + "'" : std::string(" at end of input");
    if (report.detail)
        message += std::string(", ") + report.detail;
    // Names are quoted the way compilers quote them: a double quote in the
    // message would let an editor read '"NAME" ... 12: ' as a file and line.
    std::replace(message.begin(), message.end(), '"', '\'');
    message = oneLine(message.c_str());
    if (report.rule)
        message += std::string(" [") + report.rule + "]";

    // A line about no file names the program, as a compiler does.
    if (!file) {
        std::fprintf(stderr, "kivparser: %s\n", message.c_str());
        return;
    }
    const char* label = report.kind == RPT_WARNING ? "warning" : report.kind == RPT_NOTE ? "note" : "error";
    int line = report.positionLine > 0 ? report.positionLine : report.line;
    std::fprintf(stderr, "%s: %s: %s\n", place(file, line, report.column).c_str(), label, message.c_str());
    for (int i = 0; report.related && i < report.relatedCount; i++) {
        const ParserRelated& related = report.related[i];
        std::fprintf(stderr, "%s: note: %s\n",
                     place(related.file ? related.file : file, related.line, related.column).c_str(),
                     oneLine(related.text).c_str());
    }
}

void ReportPrinter::endFile()
{
    if (omitted > 0) {
        const char* file = currentFile.c_str();
        switch (reportFormat) {
        case FORMAT_TEXT:
            std::printf("[%ld more reports of %s left out]\n", omitted, file);
            break;
        case FORMAT_GNU:
            std::fprintf(stderr, "%s: note: %ld more reports left out\n", oneLine(file).c_str(), omitted);
            break;
        case FORMAT_JSON:
            std::fputs("{\"kind\":\"omitted\",\"file\":", stderr);
            writeJsonString(stderr, file);
            std::fprintf(stderr, ",\"count\":%ld}\n", omitted);
            break;
        }
    }
    currentFile.clear();
    shown = 0;
    omitted = 0;
}

void ReportPrinter::printCounts(const char* file, int errors, int warnings) const
{
    FILE* out = reportFormat == FORMAT_TEXT ? stdout : stderr;
    if (reportFormat == FORMAT_JSON) {
        std::fputs(file ? "{\"kind\":\"summary\",\"file\":" : "{\"kind\":\"total\"", out);
        if (file)
            writeJsonString(out, file);
        std::fprintf(out, ",\"errors\":%d,\"warnings\":%d}\n", errors, warnings);
    } else {
        std::fprintf(out, "%s: errors: %d, warnings: %d\n", file ? file : "total", errors, warnings);
    }
    std::fflush(out);
}

void ReportPrinter::toolError(const std::string& message)
{
    std::fflush(stdout);
    if (reportFormat == FORMAT_JSON) {
        ParserReport report = {};
        report.kind = RPT_ERROR;
        report.message = message.c_str();
        writeParserReportJson(stderr, &report);
    } else {
        std::fprintf(stderr, "kivparser: %s\n", message.c_str());
    }
}
