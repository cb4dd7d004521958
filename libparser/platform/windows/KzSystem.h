// Private: included through platform/KzPlatform.h, from the Windows half's folder on the include path.
#ifndef KIVPARSER_PLATFORM_KZSYSTEM_H
#define KIVPARSER_PLATFORM_KZSYSTEM_H

// What the Windows platform declares for platform/KzPlatform.h.

#include <cstring>

// The path separator, and its text form.
#define KZ_PATH_SEP '\\'
#define KZ_PATH_SEP_STR "\\"

namespace kivparser {

// The C runtime's own _strdup (a copy from malloc, null for null): one of the
// library's own beside it would make every call that sees both ambiguous.
using ::_strdup;

} // namespace kivparser

#endif
