// Private: included by the language folder (scanner, grammar, reports, parser) and the scanner's tests.
#ifndef KIVPARSER_LANGUAGE_LEX_H
#define KIVPARSER_LANGUAGE_LEX_H

#include <cstddef>
#include <cstdio>

// The scanner of the registration language and its process-wide state (one
// parse at a time). The entry points that flex generates keep its global
// names.

// The next token (0 at the end of the input), its value in KIVyylval.
int KIVyylex();
// Drops the buffered input and goes on with `stream`.
void KIVyyrestart(FILE* stream);
// The scanner's input stream; standard input when none was set.
extern FILE* KIVyyin;

namespace kivparser {

// Hands a new input to the scanner: the first input of the process becomes
// KIVyyin (none: standard input), every later one restarts the scanner on it
// (none: standard input), dropping what was left in its buffer. Every input
// starts in normal mode (accelerator mode off); the directive state
// (skipElse) is kept.
void lexNewInput(FILE* stream);
// The same for `length` bytes of text held in memory, read as a file of that
// content would be (carriage returns before line feeds dropped, NUL bytes and
// an unterminated last line as in a file); the caller keeps the text alive
// while it is scanned.
void lexNewText(const char* text, size_t length);
// The line being scanned (the parser's, or the scanner's own when no parser
// is at work).
int lexLine();
// True once the scanner gave up the current input (a failed read, memory
// exhausted...): the failure is reported and counted, and the scanner
// returns the end of the input until the next lexNewInput.
bool lexAbandoned();
// The size of flex's input buffer (0 before the first scan); long comments,
// strings and skipped stretches leave it as it was.
size_t lexBufferSize();
// The text of `token`, the token the scanner delivered last, for the report
// of a syntax error: the value read for the tokens read by hand (strings,
// mnemonics, accelerators), the matched text for the others, empty at the
// end of the input (token 0 or less).
const char* lexTokenText(int token);

// Raised by the grammar after a menu item's label: the next call scans in
// accelerator mode.
extern int lookForAccelerator;
// 1 while the first branch of a conditional is read, so that #else skips.
extern int skipElse;

} // namespace kivparser

#endif
