#include "CommandLine.h"

#include <cstring>

bool CommandLine::parse(int argc, char** argv, const std::vector<OptionSpec>& specs)
{
    givenOptions.clear();
    givenOperands.clear();
    errorMessage.clear();
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        char* arg = argv[i];
        if (optionsEnded || arg[0] != '-' || arg[1] == '\0') {
            givenOperands.push_back(arg);
            continue;
        }
        if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
            continue;
        }
        const char* equals = std::strchr(arg, '=');
        std::string name = equals ? std::string(arg, equals - arg) : std::string(arg);
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& candidate : specs) {
            if (name == candidate.name)
                spec = &candidate;
        }
        if (!spec) {
            errorMessage = "unknown option '" + name + "'";
            return false;
        }
        const char* value = nullptr;
        if (spec->takesValue) {
            if (equals) {
                value = equals + 1;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                errorMessage = "option '" + name + "' needs a value";
                return false;
            }
        } else if (equals) {
            errorMessage = "option '" + name + "' takes no value";
            return false;
        }
        givenOptions.emplace_back(name, value);
    }
    return true;
}

bool CommandLine::has(const char* name) const
{
    for (const auto& option : givenOptions) {
        if (option.first == name)
            return true;
    }
    return false;
}

const char* CommandLine::value(const char* name) const
{
    const char* found = nullptr;
    for (const auto& option : givenOptions) {
        if (option.first == name)
            found = option.second;
    }
    return found;
}
