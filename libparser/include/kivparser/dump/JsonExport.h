#ifndef KIVPARSER_DUMP_JSONEXPORT_H
#define KIVPARSER_DUMP_JSONEXPORT_H

#include <kivparser/export.h>
#include <cstdio>

namespace kivparser {

class ApplicationRegistration;
class SymbolRegistration;
class FieldRegistration;
class SnmppvReg;

// The registrations as JSON documents for programs in other languages: each
// function writes one JSON object, followed by a line break, to `out`. Every
// object of the model is written with every member of its class, under the
// member's name, in the order the text dump (debugDump, debugDumpTabs) shows
// them. A text or value list that was not given is null, a number is kept as
// it is held (-1 for a setting not given). Links are written out in full
// where the text dump shows them, else as the name of their target. The
// schema is schema/kivparser-registration.schema.json in the source tree.
//
// Texts are written as UTF-8, converted from the code set of the
// character-type locale (texts of ASCII bytes are copied); each byte that
// does not decode becomes U+FFFD. The output is compact (no blanks or line
// breaks inside), nesting as deep as the model's is written without
// recursion, and the time grows linearly with the registration's size.
//
// Each returns 0, or -1 when `out` or the registration is null, writing
// failed, or memory ran out (reported as an out-of-memory report).
KIVPARSER_API int dumpJson(FILE* out, const ApplicationRegistration* registration);
// The tabs and their lists, as debugDumpTabs prints them: {"tabs": [...]}.
KIVPARSER_API int dumpJsonTabs(FILE* out, const ApplicationRegistration* registration);
KIVPARSER_API int dumpJson(FILE* out, const SymbolRegistration* registration);
KIVPARSER_API int dumpJson(FILE* out, const FieldRegistration* registration);
KIVPARSER_API int dumpJson(FILE* out, const SnmppvReg* registration);

// Writes `text` as a JSON string (null when `text` is null), with the same
// rules for UTF-8 and escapes, for hosts that put documents together.
KIVPARSER_API void writeJsonString(FILE* out, const char* text);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::dumpJson;
using kivparser::dumpJsonTabs;
using kivparser::writeJsonString;
#endif

#endif
