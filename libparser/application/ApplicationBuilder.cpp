#include "application/ApplicationBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the application model
// fills them in.

int ApplicationBuilder::startRegistration()
{
    return 0;
}

int ApplicationBuilder::beginApplication(char* name, char* parent)
{
    free(name);
    free(parent);
    return 0;
}

int ApplicationBuilder::endApplication()
{
    return 0;
}

int ApplicationBuilder::description()
{
    GrammarActions::discardValueList();
    return 0;
}

int ApplicationBuilder::copyright()
{
    GrammarActions::discardValueList();
    return 0;
}

int ApplicationBuilder::displayString(char* text)
{
    free(text);
    return 0;
}

int ApplicationBuilder::verificationKey(char* key)
{
    free(key);
    return 0;
}

int ApplicationBuilder::helpDirectory(char* path)
{
    free(path);
    return 0;
}

int ApplicationBuilder::nameFields()
{
    GrammarActions::discardValueList();
    return 0;
}

int ApplicationBuilder::version(char* text)
{
    free(text);
    return 0;
}

int ApplicationBuilder::beginCommand()
{
    return 0;
}

int ApplicationBuilder::applicationCommand()
{
    return 0;
}

int ApplicationBuilder::commandWithFlags(int, char* name)
{
    free(name);
    return 0;
}

int ApplicationBuilder::commandName(char* name)
{
    free(name);
    return 0;
}

int ApplicationBuilder::hostSpec(char* host)
{
    free(host);
    return 0;
}

int ApplicationBuilder::hostAndLaunchSpec(char* host, char* launcher)
{
    free(host);
    free(launcher);
    return 0;
}

int ApplicationBuilder::shellFunction(char* command)
{
    free(command);
    return 0;
}

int ApplicationBuilder::namedFunction(char* name, char* argument)
{
    free(name);
    free(argument);
    return 0;
}

int ApplicationBuilder::discardUnfinished()
{
    return 0;
}
