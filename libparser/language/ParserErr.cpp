#include "kivparser/language/ParserErr.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserReport.h"
#include "language/DiagnosticRuleNames.h"
#include "language/EntryGuard.h"
#include "language/GrammarActions.h"
#include "language/JsonWriter.h"
#include "language/Lex.h"
#include "language/MessageCatalogCache.h"
#include "language/ParseDamage.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "language/ReportDetails.h"
#include "platform/KzPlatform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The grammar engine's lookahead token: the token a syntax error is found at.
extern int KIVyychar;

namespace kivparser {

namespace {

const char* const SEPARATOR = "\n------------------------------\n";

// The report handler belongs to the thread that installed it: a parse runs
// on its caller's thread and reports there.
thread_local ParserReportHandler handler = nullptr;
thread_local void* handlerContext = nullptr;
// The verbose flag of the load at work on this thread (LoadVerbosity).
thread_local int loadVerbose = 0;
// Out-of-memory reports made on this thread (OutOfMemoryWatch).
thread_local long outOfMemoryReports = 0;
// Files reported as unreadable on this thread (unreadableFileReports).
thread_local long cantOpenReports = 0;

// A record with the members of 0.2 filled from the report's details.
ParserReport record(ReportKind kind, const char* filename, int lineno, int number, const char* message,
                    const char* token, int errnoValue)
{
    ParserReport report = {};
    report.kind = kind;
    report.file = filename;
    report.line = lineno;
    report.catalogSet = number ? 1 : 0;
    report.catalogNumber = number;
    report.message = message;
    report.token = token;
    report.errnoValue = errnoValue;
    ReportDetails::fill(report, number);
    return report;
}

// Hands a finished report to the handler, or prints it when `print` is set.
// A handler that throws has failed: the exception ends here, the parse at
// work is given up (ParseDamage), and no later report of that parse reaches
// the handler.
void deliver(const ParserReport& report, bool print)
{
    if (!handler) {
        if (print)
            printParserReport(&report);
        return;
    }
    if (ParseDamage::handlerFailed())
        return;
    try {
        handler(&report, handlerContext);
    } catch (...) {
        ParseDamage::giveUp(ParseDamage::PDM_HANDLER_FAILED);
    }
}

// The catalog number of a message format: the format itself, or the one
// argument of "%s" (a catalog text passed through unchanged).
int catalogNumberOf(const char* fmt, va_list ap)
{
    int number = _libparserMsgNumber(1, fmt);
    if (number == 0 && fmt && strcmp(fmt, "%s") == 0) {
        va_list copy;
        va_copy(copy, ap);
        number = _libparserMsgNumber(1, va_arg(copy, const char*));
        va_end(copy);
    }
    return number;
}

// Formats the message and delivers the report. When the text cannot be
// built, the out-of-memory report takes its place.
void makeReport(ReportKind kind, const char* filename, int lineno, const char* token, int errnoValue,
                bool print, const char* msgFmt, va_list ap)
{
    const char* fmt = msgFmt ? msgFmt : "";
    va_list copy;
    va_copy(copy, ap);
    int length = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (length < 0)
        length = 0;
    char* message = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
    if (!message) {
        nomemory();
        return;
    }
    int number = catalogNumberOf(msgFmt, ap);
    vsnprintf(message, static_cast<size_t>(length) + 1, fmt, ap);
    ParserReport report = record(kind, filename, lineno, number, message, token, errnoValue);
    deliver(report, print);
    free(message);
}

// A report of the parser at work: made for the handler whatever the
// parser's verbose flag, printed only when it is verbose.
void vParserReport(ReportKind kind, const char* token, int errnoValue, const char* fmt, va_list ap)
{
    KivParser* parser = KivParser::current;
    if (parser && (parser->verbose || handler))
        makeReport(kind, parser->filename, parser->lineno, token, errnoValue, parser->verbose != 0, fmt, ap);
}

void parserReport(ReportKind kind, const char* token, int errnoValue, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vParserReport(kind, token, errnoValue, fmt, ap);
    va_end(ap);
}

void countError()
{
    if (KivParser::current)
        KivParser::current->errors++;
}

} // namespace

void setParserReportHandler(ParserReportHandler newHandler, void* context)
{
    handler = newHandler;
    handlerContext = newHandler ? context : nullptr;
}

ParserReportHandler getParserReportHandler(void** context)
{
    if (context)
        *context = handlerContext;
    return handler;
}

const char* reportKindName(ReportKind kind)
{
    switch (kind) {
    case RPT_WARNING:
        return "warning";
    case RPT_ERROR:
        return "error";
    case RPT_NOMEMORY:
        return "nomemory";
    case RPT_INTERNAL:
        return "internal";
    case RPT_SYNTAX:
        return "syntax";
    case RPT_PROGRESS:
        return "progress";
    case RPT_NOTE:
        return "note";
    }
    return "unknown";
}

void printParserReport(const ParserReport* report)
{
    if (!report)
        return;
    const char* message = report->message ? report->message : "";
    if (report->kind == RPT_NOMEMORY || report->kind == RPT_PROGRESS) {
        printf_new("%s", message);
        return;
    }
    std::string text;
    try {
        // The header is literal text: a percent sign in a file name is printed
        // as it stands.
        text += SEPARATOR;
        if (report->file) {
            text += parserMsg(MSG_FILE);
            text += report->file;
            text += "\n";
            if (report->line != 0) {
                text += parserMsg(MSG_LINE);
                text += std::to_string(report->line);
                text += "\n";
            }
        }
        if (report->kind == RPT_WARNING) {
            text += parserMsg(MSG_WARNING);
            text += ": ";
        } else if (report->kind != RPT_NOTE) {
            text += parserMsg(MSG_ERROR);
            text += ": ";
        }
        text += message;
        text += SEPARATOR;
    } catch (...) {
        nomemory();
        return;
    }
    printf_new("%s", text.c_str());
}

int writeParserReportJson(FILE* out, const ParserReport* report)
{
    if (!out || !report)
        return -1;
    ParseLock lock; // the system's reason comes in a shared buffer
    JsonWriter json(out);
    json.beginObject();
    json.key("kind");
    json.string(reportKindName(report->kind));
    json.key("file");
    json.string(report->file);
    json.key("line");
    json.number(report->line);
    json.key("catalogSet");
    json.number(report->catalogSet);
    json.key("catalogNumber");
    json.number(report->catalogNumber);
    json.key("message");
    json.stringTrimmed(report->message);
    json.key("token");
    json.string(report->token);
    json.key("errno");
    json.number(report->errnoValue);
    json.key("reason");
    json.string(report->errnoValue ? _KZstrerror(report->errnoValue) : nullptr);
    json.key("rule");
    json.string(report->rule);
    json.key("column");
    json.number(report->column);
    json.key("positionLine");
    json.number(report->positionLine);
    json.key("endLine");
    json.number(report->endLine);
    json.key("endColumn");
    json.number(report->endColumn);
    json.key("detail");
    json.string(report->detail);
    json.key("expected");
    json.beginArray();
    for (int i = 0; report->expected && i < report->expectedCount; i++)
        json.string(report->expected[i]);
    json.endArray();
    json.key("related");
    json.beginArray();
    for (int i = 0; report->related && i < report->relatedCount; i++) {
        const ParserRelated& place = report->related[i];
        json.beginObject();
        json.key("file");
        json.string(place.file);
        json.key("line");
        json.number(place.line);
        json.key("column");
        json.number(place.column);
        json.key("text");
        json.string(place.text);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    putc('\n', out);
    return ferror(out) ? -1 : 0;
}

void VParserErr(PESeverity severity, const char* filename, int lineno, const char* msgFmt, va_list ap)
{
    ReportKind kind = severity == PE_WARNING ? RPT_WARNING : severity == PE_ERROR ? RPT_ERROR : RPT_NOTE;
    makeReport(kind, filename, lineno, nullptr, 0, true, msgFmt, ap);
}

void nomemory()
{
    ++outOfMemoryReports;
    KivParser* parser = KivParser::current;
    if (!parser) {
        reportOutOfMemory();
        return;
    }
    // Nothing is allocated here: the catalog text is handed on as it is.
    ParserReport report = record(RPT_NOMEMORY, parser->filename, parser->lineno, MSG_OUT_OF_MEMORY,
                                 parserMsg(MSG_OUT_OF_MEMORY), nullptr, 0);
    deliver(report, parser->verbose != 0);
    parser->errors++;
    ParseDamage::giveUp(ParseDamage::PDM_OUT_OF_MEMORY);
}

void reportOutOfMemory()
{
    ++outOfMemoryReports;
    ParserReport report = record(RPT_NOMEMORY, nullptr, 0, MSG_OUT_OF_MEMORY, parserMsg(MSG_OUT_OF_MEMORY), nullptr, 0);
    deliver(report, loadVerbose != 0);
}

OutOfMemoryWatch::OutOfMemoryWatch() : start(outOfMemoryReports) {}

bool OutOfMemoryWatch::seen() const
{
    return outOfMemoryReports != start;
}

LoadVerbosity::LoadVerbosity(int verbose) : previous(loadVerbose)
{
    loadVerbose = verbose;
}

LoadVerbosity::~LoadVerbosity()
{
    loadVerbose = previous;
}

void warning(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vParserReport(RPT_WARNING, nullptr, 0, fmt, ap);
    va_end(ap);
    if (KivParser::current)
        KivParser::current->warnings++;
}

void error(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vParserReport(RPT_ERROR, nullptr, 0, fmt, ap);
    va_end(ap);
    countError();
}

void internal(int srccodeline)
{
    parserReport(RPT_INTERNAL, nullptr, 0, parserMsg(MSG_INTERNAL), srccodeline);
    countError();
    ParseDamage::giveUp(ParseDamage::PDM_INTERNAL);
}

void reportEscapedException()
{
    if (KivParser::parserAtWork()) {
        internal(GrammarActions::CHECK_EXCEPTION);
        return;
    }
    // Outside a parse there is nothing to count it against; the text is
    // made without allocating.
    char text[128];
    snprintf(text, sizeof text, parserMsg(MSG_INTERNAL), static_cast<int>(GrammarActions::CHECK_EXCEPTION));
    ParserReport report = record(RPT_INTERNAL, nullptr, 0, MSG_INTERNAL, text, nullptr, 0);
    deliver(report, loadVerbose != 0);
}

long unreadableFileReports()
{
    return cantOpenReports;
}

void reportCantOpen(const char* filename, int errnoValue)
{
    ++cantOpenReports;
    // About the file as a whole: no token of it stands for the problem.
    ReportDetails details;
    if (KivParser::current)
        details.at(SourceSpan{KivParser::current->lineno, 0, 0, 0});
    parserReport(RPT_ERROR, nullptr, errnoValue, parserMsg(MSG_CANT_OPEN), filename);
    countError();
}

void reportScannerFailure(const char* text, int readErrno)
{
    ParseDamage::giveUp(ParseDamage::PDM_SCANNER_FAILED);
    fprintf_new(stderr, "%s\n", text);
    KivParser* parser = KivParser::current;
    if (readErrno != 0 && parser && parser->filename) {
        reportCantOpen(parser->filename, readErrno);
        return;
    }
    // Also an error report like any other, so that a host's handler learns why.
    ReportDetails details;
    details.rule(RULE_SCANNER_FAILURE);
    parserReport(RPT_ERROR, nullptr, 0, "%s", text);
    countError();
}

void KIVyyerror(const char* s)
{
    ParseDamage::record();
    parserReport(RPT_SYNTAX, lexTokenText(KIVyychar), 0, "%s", s);
    countError();
}

void reportFinding(const char* file, int line, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    makeReport(RPT_WARNING, file, line, nullptr, 0, true, fmt, ap);
    va_end(ap);
}

void reportLine(ReportKind kind, const char* file, int errnoValue, int print, int number, ...)
{
    va_list ap;
    va_start(ap, number);
    if (handler) {
        makeReport(kind, file, 0, nullptr, errnoValue, false, parserMsg(number), ap);
    } else if (print) {
        // Printed as it always was, without building the text first.
        vprintf_new(parserMsg(number), ap);
    }
    va_end(ap);
}

} // namespace kivparser
