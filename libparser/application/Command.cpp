#include "kivparser/application/Command.h"
#include "lists/SListOps.h"

#include <cstdlib>

namespace kivparser {

Command::Command() : SList(), processFlag(0), commandName(nullptr), hostSpec(nullptr), launchSpec(nullptr), locked(0)
{
}

Command::~Command()
{
    free(commandName);
    free(hostSpec);
    free(launchSpec);
}

void Command::setCommandName(char* name)
{
    SListOps::setText(locked, commandName, name);
}

void Command::setHostSpec(char* host)
{
    SListOps::setText(locked, hostSpec, host);
}

void Command::setLaunchSpec(char* launcher)
{
    SListOps::setText(locked, launchSpec, launcher);
}

void Command::setProcessFlag(unsigned long flags)
{
    SListOps::setValue(locked, processFlag, flags);
}

} // namespace kivparser
