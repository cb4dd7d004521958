#ifndef KIVPARSER_LANGUAGE_PARSERREPORT_H
#define KIVPARSER_LANGUAGE_PARSERREPORT_H

#include <kivparser/export.h>
#include <cstdio>
#include <functional>
#include <utility>

namespace kivparser {

// What a report is about.
enum ReportKind {
    RPT_WARNING = 1,  // warning(): counted in the parser's `warnings`
    RPT_ERROR = 2,    // error(), a file that cannot be opened or read, an error of the directory walk
    RPT_NOMEMORY = 3, // nomemory(): counted in `errors`
    RPT_INTERNAL = 4, // internal(): counted in `errors`
    RPT_SYNTAX = 5,   // KIVyyerror(), the grammar engine's report: counted in `errors`
    RPT_PROGRESS = 6, // a progress line of a verbose load (directories, files, counts); nothing counted
    RPT_NOTE = 7      // VParserErr() with PE_NONE: a framed report without severity; nothing counted
};

// A place that a report points to besides its own: where a name was first
// defined, where an undefined name is used, the other end of a refused cyclic
// link. (Added in 0.2.)
struct ParserRelated {
    const char* file; // the file of that place (null: none known)
    int line;         // 1-based; 0 when unknown
    int column;       // 1-based, in bytes; 0 when unknown
    const char* text; // a short text: "first defined here", "used here" ...
};

// One report, as the library makes it. Its texts belong to the library and
// live only while the handler runs: copy what you keep.
//
// Interface 0.2 appended the members from `rule` on; the members before it
// keep their places and meanings, so the layout stays that of a C struct
// with the same members in the same order.
//
// Positions: lines are 1-based; columns are 1-based and count bytes (a tab is
// one byte, a multibyte character counts each of its bytes, and the carriage
// return of a CR LF line end is not part of the line).
struct ParserReport {
    ReportKind kind;
    // The file the report is about: the file being parsed (null while a parser
    // reads standard input), the file of a progress line, null for lines about
    // no single file.
    const char* file;
    // The line in `file`, 0 when there is none.
    int line;
    // Where the message text comes from: set 1 of the catalog "libparser"
    // and its number there (ParserMsgId, MessageCatalog.h), or 0 and 0 for a
    // text that is not a catalog message (the grammar engine's "syntax error").
    int catalogSet;
    int catalogNumber;
    // The finished message, exactly as the framed report (between "Error: "
    // and the closing line) or the progress line shows it; some catalog texts
    // end in a line break.
    const char* message;
    // RPT_SYNTAX only: the text of the token at which the parser stopped (a
    // string's or mnemonic's value as read, a keyword or name as written),
    // empty at the end of the input. Null for every other kind.
    const char* token;
    // The system's reason (an errno value) for a file that cannot be opened
    // or read and for some errors of the directory walk; 0 when none.
    int errnoValue;

    // ---- 0.2 ----
    // The stable name of the diagnostic ("syntax-error",
    // "duplicate-definition", "undefined-action" ...; kivparser(1) lists every
    // one under RULES); null for progress lines and plain notes.
    const char* rule;
    // The place to fix: line and column where the problem is (0 and 0 when
    // the report has no place in a file). Usually `line` with the column of
    // the token at fault; it differs where the framed report's line is only
    // where the problem was noticed: a missing ";" is placed after the last
    // token of the line that lacks it, an undefined action at its first use,
    // an unterminated string or comment at its start.
    int positionLine;
    int column;
    // The end of the token or name at fault (exclusive); 0 and 0 when unknown.
    int endLine;
    int endColumn;
    // More words for machine formats: for a syntax error what was expected
    // ("expected ';' or '}'") or what was left open ("unterminated string");
    // null when there are none. The message itself stays as framed.
    const char* detail;
    // RPT_SYNTAX: the tokens that would have been accepted where the parse
    // stopped, as a reader writes them ("';'", "'}'", "a string", "menuitem"),
    // `expectedCount` of them; 0 and null for other kinds.
    int expectedCount;
    const char* const* expected;
    // Further places the report points to, `relatedCount` of them.
    int relatedCount;
    const ParserRelated* related;
};

// Receives each report. `context` is the pointer given with the handler. A
// handler must not make reports itself (warning, error ...) nor start a
// parse, and it must return normally: a handler that throws has failed (the
// exception ends in the library, which gives up the file at hand and sends
// the handler nothing more of that parse), and one that leaves by longjmp
// leaves the library's lock held and its state half changed.
typedef void (*ParserReportHandler)(const ParserReport* report, void* context);

// Installs `handler` (null: none) for the calling thread: the loads and
// parsers that this thread runs report to it, those of other threads to
// theirs. While one is installed, every warning, error, out-of-memory,
// internal and syntax report goes to it, whatever the verbose flag, and
// nothing is printed for it; the progress lines of a verbose load (only of a
// verbose one) go to it as RPT_PROGRESS records. Without a handler nothing
// changes: a verbose parser or loader prints its reports, a quiet one
// prints nothing. Counting on the parser is the same either way.
KIVPARSER_API void setParserReportHandler(ParserReportHandler handler, void* context);

// The calling thread's handler (null: none), and its context in `*context`
// when `context` is not null.
KIVPARSER_API ParserReportHandler getParserReportHandler(void** context);

// Prints `report` on standard output as the library prints it when no
// handler is installed: framed with file, line and severity, or as a plain
// line (out of memory, progress lines). A handler may pass reports on to it.
KIVPARSER_API void printParserReport(const ParserReport* report);

// The name of a kind: "warning", "error", "nomemory", "internal", "syntax",
// "progress", "note" ("unknown" for any other value).
KIVPARSER_API const char* reportKindName(ReportKind kind);

// Writes `report` to `out` as one JSON object on one line (JSON Lines):
// {"kind","file","line","catalogSet","catalogNumber","message","token",
// "errno","reason","rule","column","positionLine","endLine","endColumn",
// "detail","expected","related"}, in this order. "message" drops the line
// breaks that end the text; "token" is null except for syntax errors;
// "reason" is the system's text for "errno", null when "errno" is 0; "file"
// is null when the report names no file; "rule" and "detail" are null when
// there are none; "expected" is an array of texts (empty but for syntax
// errors); "related" an array of {"file","line","column","text"}. Returns 0,
// or -1 when writing failed.
KIVPARSER_API int writeParserReportJson(FILE* out, const ParserReport* report);

// C++ convenience: routes the calling thread's reports to a function object
// for the lifetime of the scope, and puts the handler that was installed
// before back when it ends. Any number of threads may each hold scopes.
//
//     ParserReportScope scope([&](const ParserReport& r) { log(r.file, r.line, r.message); });
//     ApplicationRegistration* reg = loadArf(1, nullptr);
class ParserReportScope {
public:
    explicit ParserReportScope(std::function<void(const ParserReport&)> receiver)
        : installedReceiver(std::move(receiver)), previousReceiver(getParserReportHandler(&previousContext))
    {
        setParserReportHandler(&ParserReportScope::forward, this);
    }
    ~ParserReportScope() { setParserReportHandler(previousReceiver, previousContext); }

    ParserReportScope(const ParserReportScope&) = delete;
    ParserReportScope& operator=(const ParserReportScope&) = delete;

private:
    static void forward(const ParserReport* report, void* context)
    {
        static_cast<ParserReportScope*>(context)->installedReceiver(*report);
    }

    std::function<void(const ParserReport&)> installedReceiver;
    void* previousContext = nullptr;
    ParserReportHandler previousReceiver;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ReportKind;
using kivparser::RPT_WARNING;
using kivparser::RPT_ERROR;
using kivparser::RPT_NOMEMORY;
using kivparser::RPT_INTERNAL;
using kivparser::RPT_SYNTAX;
using kivparser::RPT_PROGRESS;
using kivparser::RPT_NOTE;
using kivparser::ParserReport;
using kivparser::ParserRelated;
using kivparser::ParserReportHandler;
using kivparser::setParserReportHandler;
using kivparser::getParserReportHandler;
using kivparser::printParserReport;
using kivparser::reportKindName;
using kivparser::writeParserReportJson;
using kivparser::ParserReportScope;
#endif

#endif
