#include "symbols/CgiBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given (value lists in curString
// included) until the CGI model fills them in.

int CgiBuilder::startRegistration()
{
    return 0;
}

int CgiBuilder::beginCgi(char* name)
{
    free(name);
    return 0;
}

int CgiBuilder::endCgi()
{
    return 0;
}

int CgiBuilder::description()
{
    GrammarActions::discardValueList();
    return 0;
}

int CgiBuilder::copyright()
{
    GrammarActions::discardValueList();
    return 0;
}

int CgiBuilder::version(char* text)
{
    free(text);
    return 0;
}

int CgiBuilder::commandName(char* name)
{
    free(name);
    return 0;
}

int CgiBuilder::cgiPath(char* path)
{
    free(path);
    return 0;
}

int CgiBuilder::iconPath(char* path)
{
    free(path);
    return 0;
}

int CgiBuilder::beginOption(char* option)
{
    free(option);
    return 0;
}

int CgiBuilder::endOption(int)
{
    GrammarActions::discardValueList();
    return 0;
}

int CgiBuilder::beginIgnoreAction(char* application)
{
    free(application);
    return 0;
}

int CgiBuilder::endIgnoreAction(int)
{
    GrammarActions::discardValueList();
    return 0;
}
