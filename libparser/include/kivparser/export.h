#ifndef KIVPARSER_EXPORT_H
#define KIVPARSER_EXPORT_H

// Marks what the shared library exports. The library is built with hidden
// visibility: only the classes and functions of the public headers carry
// this mark (and the two native methods of the Java client). On Windows the
// DLL exports them and its hosts import them (the library's own build
// defines KIVPARSER_BUILDING_LIBRARY).
#if defined(_WIN32)
#if defined(KIVPARSER_BUILDING_LIBRARY)
#define KIVPARSER_API __declspec(dllexport)
#else
#define KIVPARSER_API __declspec(dllimport)
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define KIVPARSER_API __attribute__((visibility("default")))
#else
#define KIVPARSER_API
#endif

// Lets the compiler check the arguments of a printf-like function of the
// library: the format is argument `f`, the values start at `a` (0 for a
// va_list). The library formats with C99's rules on every platform (MinGW
// builds use MinGW's own printf family).
#if defined(__MINGW32__)
#define KIVPARSER_PRINTF(f, a) __attribute__((format(gnu_printf, f, a)))
#elif defined(__GNUC__) || defined(__clang__)
#define KIVPARSER_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define KIVPARSER_PRINTF(f, a)
#endif

#endif
