#ifndef KIVPARSER_LANGUAGE_PARSERERR_H
#define KIVPARSER_LANGUAGE_PARSERERR_H

#include <cstdarg>

enum PESeverity { PE_NONE = 0, PE_WARNING = 1, PE_ERROR = 2 };

// Reports of problems in a registration file. Each one is counted against the
// parser at work and printed, framed with the file name and line, only when
// that parser is verbose. None of them ends the parse.
void nomemory();
void warning(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void error(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void internal(int srccodeline);
void KIVyyerror(const char* s);
void VParserErr(PESeverity severity, const char* filename, int lineno, const char* msgFmt, va_list ap);

#endif
