#ifndef KIVPARSER_LANGUAGE_LEX_H
#define KIVPARSER_LANGUAGE_LEX_H

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
// (none: standard input), dropping what was left in its buffer. The mode
// flags and the directive state are kept.
void lexNewInput(FILE* stream);
// The line being scanned (the parser's, or the scanner's own when no parser
// is at work).
int lexLine();

// Raised by the grammar after a menu item's label: the next call scans in
// accelerator mode.
extern int lookForAccelerator;
// 1 while the first branch of a conditional is read, so that #else skips.
extern int skipElse;

} // namespace kivparser

#endif
