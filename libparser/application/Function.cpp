#include "kivparser/application/Function.h"

#include <cctype>
#include <cstdlib>

namespace kivparser {

Function::Function() : SList(), shellCommand(nullptr), functionType(nullptr), functionArg(nullptr)
{
}

Function::Function(char* theShellCommand, char* theFunctionType, char* theFunctionArg)
    : SList(), shellCommand(theShellCommand), functionType(theFunctionType), functionArg(theFunctionArg)
{
}

Function::~Function()
{
    free(shellCommand);
    free(functionType);
    free(functionArg);
}

bool Function::isType(const char* name) const
{
    if (!functionType || !name)
        return false;
    const unsigned char* a = reinterpret_cast<const unsigned char*>(functionType);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(name);
    for (; *a && *b; a++, b++) {
        if (tolower(*a) != tolower(*b))
            return false;
    }
    return *a == *b;
}

} // namespace kivparser
