// Private: included through platform/KzPlatform.h, from the POSIX half's folder on the include path.
#ifndef KIVPARSER_PLATFORM_KZSYSTEM_H
#define KIVPARSER_PLATFORM_KZSYSTEM_H

// What the POSIX platform declares for platform/KzPlatform.h.

// The path separator, and its text form.
#define KZ_PATH_SEP '/'
#define KZ_PATH_SEP_STR "/"

namespace kivparser {

// The copy of a string under its Windows name: strdup's contract, and null
// for null.
char* _strdup(const char* s);

} // namespace kivparser

#endif
