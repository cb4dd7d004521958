#ifndef KIVPARSER_TOOL_TOOLCOMMAND_H
#define KIVPARSER_TOOL_TOOLCOMMAND_H

#include "CommandLine.h"

#include <string>
#include <vector>

// Exit statuses of the tool.
enum ToolExit {
    TOOL_EXIT_OK = 0,      // done; "allowed"; no file reported an error
    TOOL_EXIT_FAILURE = 1, // nothing to load, a file reported an error, "denied"
    TOOL_EXIT_USAGE = 2    // the command line was wrong
};

// What a command is called and how it is explained.
struct CommandTexts {
    const char* name;        // "dump"
    const char* synopsis;    // the usage line without the program name
    const char* summary;     // one line for the tool's command list
    const char* description; // printed by --help after the usage line
};

// One command of the tool ("dump", "check" ...): its texts, the options it
// accepts (besides --help), and what it does.
class ToolCommand {
public:
    ToolCommand(const CommandTexts& texts, std::vector<OptionSpec> options);
    virtual ~ToolCommand() = default;

    const char* name() const { return commandTexts.name; }
    const char* summary() const { return commandTexts.summary; }

    // Runs the command on its arguments (those after the command name):
    // --help prints the help, a wrong command line is a usage error.
    int execute(int argc, char** argv);

    void printHelp() const;

protected:
    virtual int run(const CommandLine& line) = 0;

    // Prints the message and the short usage to standard error; returns
    // TOOL_EXIT_USAGE.
    int usageError(const std::string& message) const;
    // Prints "kivparser: <message>" to standard error; returns TOOL_EXIT_FAILURE.
    static int failure(const std::string& message);

private:
    CommandTexts commandTexts;
    std::vector<OptionSpec> optionSpecs;
};

#endif
