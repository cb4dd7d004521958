#ifndef KIVPARSER_WEB_URLPATHCONV_H
#define KIVPARSER_WEB_URLPATHCONV_H

#include <kivparser/export.h>
namespace kivparser {

// Escapes a path for use in a URL: bytes of 128 and above become %XX (upper-case
// hex), everything else stays. Takes `path` over (releases it); the caller owns
// the result. Null gives null, and so does a failed allocation.
KIVPARSER_API char* UrlPathConv(char* path);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::UrlPathConv;
#endif

#endif
