#ifndef KIVPARSER_EXPORT_H
#define KIVPARSER_EXPORT_H

// Marks what the shared library exports. The library is built with hidden
// visibility: only the classes and functions of the public headers carry
// this mark (and the two native methods of the Java client).
#if defined(__GNUC__) || defined(__clang__)
#define KIVPARSER_API __attribute__((visibility("default")))
#else
#define KIVPARSER_API
#endif

#endif
