#ifndef KIVPARSER_LANGUAGE_ENTRYGUARD_H
#define KIVPARSER_LANGUAGE_ENTRYGUARD_H

// Private to the library: the exported functions whose work may throw (the
// loaders, the parser's constructors, the file list, the JSON export, the
// style sheet and icon functions, the Java native methods) include it.

#include "kivparser/language/ParserErr.h"

#include <new>
#include <type_traits>

namespace kivparser {

// The boundary between the library and its host: nothing that C++ can throw
// crosses it (a host may be C code behind a shim, or a JVM). The work of an
// exported function runs through guarded(), and whatever it throws ends
// there: std::bad_alloc is memory running out and reported as such, anything
// else is reported as an internal error (reportEscapedException). The
// function then returns `failed`.
void reportEscapedException();

template <class Result, class Body>
Result guarded(Result failed, Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        nomemory();
    } catch (...) {
        reportEscapedException();
    }
    return failed;
}

template <class Body>
void guarded(Body&& body) noexcept
{
    try {
        body();
    } catch (const std::bad_alloc&) {
        nomemory();
    } catch (...) {
        reportEscapedException();
    }
}

} // namespace kivparser

#endif
