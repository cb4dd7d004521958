#ifndef KIVPARSER_TOOL_COMMANDLINE_H
#define KIVPARSER_TOOL_COMMANDLINE_H

#include <string>
#include <utility>
#include <vector>

// One option a command accepts: "--path" with a value, "--fold" without.
struct OptionSpec {
    const char* name;
    bool takesValue;
};

// The arguments of one command, split into options and operands. Options may
// stand anywhere among the operands, as "--name value" or "--name=value";
// "--" ends the options. The texts point into the program's arguments.
class CommandLine {
public:
    // Splits `args`; false, with a message in error(), on an unknown option or
    // an option whose value is missing or not wanted.
    bool parse(int argc, char** argv, const std::vector<OptionSpec>& specs);

    bool has(const char* name) const;
    // The last value given for `name`, or null.
    const char* value(const char* name) const;
    const std::vector<char*>& operands() const { return givenOperands; }
    const std::string& error() const { return errorMessage; }

private:
    std::vector<std::pair<std::string, const char*>> givenOptions;
    std::vector<char*> givenOperands;
    std::string errorMessage;
};

#endif
