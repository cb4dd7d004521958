#include "ReportPrinter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kivparser;

const OptionSpec ReportPrinter::formatOption = {"--format", true};
const OptionSpec ReportPrinter::maxReportsOption = {"--max-reports", true};
const char* const ReportPrinter::optionHelp =
    "  --format=text|gnu|json\n"
    "                  how problems are reported: text (the default: framed\n"
    "                  reports on standard output), gnu (one line per problem on\n"
    "                  standard error, FILE:LINE: error: MESSAGE) or json (one JSON\n"
    "                  object per problem and line on standard error)\n"
    "  --max-reports N\n"
    "                  print at most N problems per file (all are counted), then\n"
    "                  one line that says how many were left out\n";

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
    return true;
}

void ReportPrinter::install()
{
    if (reportFormat == FORMAT_TEXT && maxReports < 0)
        return;
    setParserReportHandler(&ReportPrinter::receive, this);
    installed = true;
}

void ReportPrinter::receive(const ParserReport* report, void* context)
{
    static_cast<ReportPrinter*>(context)->print(*report);
}

void ReportPrinter::print(const ParserReport& given)
{
    ParserReport report = given;
    if (!report.file && unnamedFile && report.kind != RPT_PROGRESS)
        report.file = unnamedFile;

    if (report.kind == RPT_PROGRESS) {
        // Progress lines come between the files of a load.
        endFile();
    } else {
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
        printParserReport(&given);
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

void ReportPrinter::printGnu(const ParserReport& report, const char* file)
{
    std::string message = report.message ? report.message : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    if (report.errnoValue)
        message += std::string(": ") + std::strerror(report.errnoValue);
    if (report.kind == RPT_SYNTAX && report.token)
        message += *report.token ? std::string(" near '") + report.token + "'" : std::string(" at end of input");

    // A line about no file names the program, as a compiler does.
    if (!file) {
        std::fprintf(stderr, "kivparser: %s\n", message.c_str());
        return;
    }
    const char* label = report.kind == RPT_WARNING ? "warning" : report.kind == RPT_NOTE ? "note" : "error";
    if (report.line > 0)
        std::fprintf(stderr, "%s:%d: %s: %s\n", file, report.line, label, message.c_str());
    else
        std::fprintf(stderr, "%s: %s: %s\n", file, label, message.c_str());
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
            std::fprintf(stderr, "%s: note: %ld more reports left out\n", file, omitted);
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

void ReportPrinter::toolError(const std::string& message)
{
    std::fflush(stdout);
    if (reportFormat == FORMAT_JSON) {
        ParserReport report = {RPT_ERROR, nullptr, 0, 0, 0, message.c_str(), nullptr, 0};
        writeParserReportJson(stderr, &report);
    } else {
        std::fprintf(stderr, "kivparser: %s\n", message.c_str());
    }
}
