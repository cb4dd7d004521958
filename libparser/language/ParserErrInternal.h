// Private: included by the language, loading and web folders, which report on files.
#ifndef KIVPARSER_LANGUAGE_PARSERERRINTERNAL_H
#define KIVPARSER_LANGUAGE_PARSERERRINTERNAL_H

#include "kivparser/language/ParserReport.h"

namespace kivparser {

// The report of a registration file that cannot be read: missing,
// unreadable, not a regular file, or failing while it is read. The error
// "can't open %s" is counted against the parser at work; `errnoValue` is
// the system's reason (0 when there is none), which the report handler gets.
void reportCantOpen(const char* filename, int errnoValue);

// The scanner gave up its input: `text` (flex's words for the condition)
// goes to standard error as a line of its own, and one error is reported
// and counted against the parser at work, with `text` as its message; a
// failed read (`readErrno` not 0) is reported as the file that cannot be
// read, with that reason.
void reportScannerFailure(const char* text, int readErrno);

// How many files this thread has reported as unreadable (reportCantOpen) so
// far: a loader compares two readings around a parse.
long unreadableFileReports();

// A line that is not about the parse at work: a progress line of the
// loaders, an error of the directory walk. Catalog text `number` of set 1,
// formatted with the arguments, goes to the report handler as a report of
// `kind` about `file` (null: none) with `errnoValue` as its reason; without
// a handler it is printed as it stands when `print` is non-zero. Callers
// decide which lines to make (progress lines only when verbose) and count
// what they count.
void reportLine(ReportKind kind, const char* file, int errnoValue, int print, int number, ...);

// A finding of the linter: a warning about `file` at `line` (the details
// of the caller's ReportDetails give its rule and places), to the report
// handler, or printed framed when there is none. Nothing is counted.
void reportFinding(const char* file, int line, const char* fmt, ...);

// Memory ran out outside a parse (a loader, the file list, a path, the style
// sheet, an icon URL): the out-of-memory report goes to the report handler
// or, when there is none and the load at work on this thread is verbose, is
// printed. Nothing is counted.
void reportOutOfMemory();

// Whether memory ran out on this thread (nomemory() or reportOutOfMemory())
// since the watch began: a function that must not hand out a partial result
// (a cache, a style sheet) watches the calls it makes.
class OutOfMemoryWatch final {
public:
    OutOfMemoryWatch();
    bool seen() const;

private:
    long start;
};

// The verbose flag of the load at work on this thread, for the reports made
// outside its parses; 0 outside a load.
class LoadVerbosity final {
public:
    explicit LoadVerbosity(int verbose);
    ~LoadVerbosity();
    LoadVerbosity(const LoadVerbosity&) = delete;
    LoadVerbosity& operator=(const LoadVerbosity&) = delete;

private:
    int previous;
};

} // namespace kivparser

#endif
