#ifndef KIVPARSER_TESTS_SUPPORT_JSONCHECK_H
#define KIVPARSER_TESTS_SUPPORT_JSONCHECK_H

#include <cstddef>

// A strict check of one JSON text (RFC 8259): one value with white space
// around it, strings of well-formed UTF-8 without raw control characters,
// valid escapes and numbers. Written without recursion, so that documents
// nested a million deep are checked too. Independent of the library's writer
// on purpose.
bool isValidJson(const char* text, size_t length);

#endif
