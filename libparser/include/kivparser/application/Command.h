#ifndef KIVPARSER_APPLICATION_COMMAND_H
#define KIVPARSER_APPLICATION_COMMAND_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

// Process flag bits of a command statement.
enum ProcessFlagBits {
    PFL_INITIAL = 1,
    PFL_SHARED = 2,
    PFL_RESTART = 4,
    PFL_DISABLESYMDELETE = 8
};

// How the map GUI starts the process of an application or an action: the
// command line, the process flags, and optionally the host that runs it and
// the launcher that starts it there.
class KIVPARSER_API Command final : public SList {
public:
    Command();
    ~Command();

    Command* next() { return static_cast<Command*>(_next); }

    // Take the string over; a locked command keeps what it holds.
    void setCommandName(char* name);
    void setHostSpec(char* host);
    void setLaunchSpec(char* launcher);
    void setProcessFlag(unsigned long flags);

    // Prints the command's lines ("Flag", "Command Name", hosts) at the
    // current dump level.
    void debugDump();

    unsigned long processFlag;
    char* commandName;
    char* hostSpec;
    char* launchSpec;
    int locked;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ProcessFlagBits;
using kivparser::PFL_INITIAL;
using kivparser::PFL_SHARED;
using kivparser::PFL_RESTART;
using kivparser::PFL_DISABLESYMDELETE;
using kivparser::Command;
#endif

#endif
