#ifndef KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H
#define KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H

#include "kivparser.h"

#include <cstdlib>
#include <cstring>
#include <string>

// A parser that read nothing (its file does not exist), made current so that
// model operations can count diagnostics and find the current objects.
class IdleParser {
public:
    explicit IdleParser(ApplicationRegistration* reg = nullptr)
        : parser(const_cast<char*>("/nonexistent/kivparser-app-test.reg"), reg, 0)
    {
        parser.errors = 0;
        parser.warnings = 0;
        parser.ok = 1;
    }
    KivParser* operator->() { return &parser; }
    KivParser parser;
};

inline char* dup(const char* s)
{
    return s ? strdup(s) : nullptr;
}

#endif
