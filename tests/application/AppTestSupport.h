#ifndef KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H
#define KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H

#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cstdlib>
#include <cstring>
#include <string>

using namespace kivparser;

// A quiet parser that read nothing, made current, with the registration
// given (if any) as its root.
class IdleParser {
public:
    explicit IdleParser(ApplicationRegistration* reg = nullptr) : parser(0) { parser->curAppReg = reg; }
    KivParser* operator->() { return parser.get(); }
    TestParser parser;
};

inline char* dup(const char* s)
{
    return s ? strdup(s) : nullptr;
}

#endif
