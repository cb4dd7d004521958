#ifndef KIVPARSER_LANGUAGE_PARSERERR_H
#define KIVPARSER_LANGUAGE_PARSERERR_H

#include <kivparser/export.h>
#include <cstdarg>

namespace kivparser {

enum PESeverity { PE_NONE = 0, PE_WARNING = 1, PE_ERROR = 2 };

// Reports of problems in a registration file. Each one is counted against the
// parser at work and printed, framed with the file name and line, only when
// that parser is verbose. None of them ends the parse.
KIVPARSER_API void nomemory();
KIVPARSER_API void warning(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
KIVPARSER_API void error(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
KIVPARSER_API void internal(int srccodeline);
KIVPARSER_API void KIVyyerror(const char* s);
KIVPARSER_API void VParserErr(PESeverity severity, const char* filename, int lineno, const char* msgFmt, va_list ap);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::PESeverity;
using kivparser::PE_NONE;
using kivparser::PE_WARNING;
using kivparser::PE_ERROR;
using kivparser::nomemory;
using kivparser::warning;
using kivparser::error;
using kivparser::internal;
using kivparser::KIVyyerror;
using kivparser::VParserErr;
#endif

#endif
