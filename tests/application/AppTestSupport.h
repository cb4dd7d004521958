#ifndef KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H
#define KIVPARSER_TESTS_APPLICATION_APPTESTSUPPORT_H

#include "kivparser.h"

#include <cstdlib>
#include <cstring>
#include <string>

inline char* dup(const char* s)
{
    return s ? strdup(s) : nullptr;
}

#endif
