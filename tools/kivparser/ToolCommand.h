#ifndef KIVPARSER_TOOL_TOOLCOMMAND_H
#define KIVPARSER_TOOL_TOOLCOMMAND_H

#include "CommandLine.h"

#include <string>
#include <vector>

// Exit statuses of the tool.
enum ToolExit {
    kExitOk = 0,       // done; "allowed"; no file reported an error
    kExitFailure = 1,  // nothing to load, a file reported an error, "denied"
    kExitUsage = 2     // the command line was wrong
};

// One command of the tool ("dump", "check" ...): its name, its usage and help
// texts, the options it accepts, and what it does.
class ToolCommand {
public:
    virtual ~ToolCommand() = default;

    virtual const char* name() const = 0;
    // The usage line without the program name, e.g. "icon CLASS:TYPE".
    virtual const char* synopsis() const = 0;
    // One line for the tool's command list.
    virtual const char* summary() const = 0;
    // The text printed by --help after the usage line.
    virtual const char* description() const = 0;
    // Options besides --help.
    virtual std::vector<OptionSpec> options() const = 0;

    // Runs the command on its arguments (those after the command name):
    // --help prints the help, a wrong command line is a usage error.
    int execute(int argc, char** argv);

    void printHelp() const;

protected:
    virtual int run(const CommandLine& line) = 0;

    // Prints the message and the short usage to standard error; returns
    // kExitUsage.
    int usageError(const std::string& message) const;
    // Prints "kivparser: <message>" to standard error; returns kExitFailure.
    static int failure(const std::string& message);
};

#endif
