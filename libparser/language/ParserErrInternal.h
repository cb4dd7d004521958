#ifndef KIVPARSER_LANGUAGE_PARSERERRINTERNAL_H
#define KIVPARSER_LANGUAGE_PARSERERRINTERNAL_H

namespace kivparser {

// The report of a registration file that cannot be read: missing,
// unreadable, not a regular file, or failing while it is read. The error
// "can't open %s" is counted against the parser at work; `errnoValue` is
// the system's reason (0 when there is none).
void reportCantOpen(const char* filename, int errnoValue);

// The scanner gave up its input: `text` (flex's words for the condition)
// goes to standard error as a line of its own, and one error is counted
// against the parser at work; a failed read (`readErrno` not 0) is counted
// as the file that cannot be read.
void reportScannerFailure(const char* text, int readErrno);

} // namespace kivparser

#endif
