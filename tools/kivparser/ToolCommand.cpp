#include "ToolCommand.h"

#include <cstdio>
#include <utility>

ToolCommand::ToolCommand(const CommandTexts& texts, std::vector<OptionSpec> options)
    : commandTexts(texts), optionSpecs(std::move(options))
{
}

int ToolCommand::execute(int argc, char** argv)
{
    std::vector<OptionSpec> specs = optionSpecs;
    specs.push_back({"--help", false});
    specs.push_back({"-h", false});
    CommandLine line;
    if (!line.parse(argc, argv, specs))
        return usageError(line.error());
    if (line.has("--help") || line.has("-h")) {
        printHelp();
        return TOOL_EXIT_OK;
    }
    return run(line);
}

void ToolCommand::printHelp() const
{
    std::printf("usage: kivparser %s\n\n%s", commandTexts.synopsis, commandTexts.description);
}

int ToolCommand::usageError(const std::string& message) const
{
    std::fflush(stdout);
    std::fprintf(stderr, "kivparser %s: %s\nusage: kivparser %s\nTry 'kivparser %s --help' for more information.\n",
                 commandTexts.name, message.c_str(), commandTexts.synopsis, commandTexts.name);
    return TOOL_EXIT_USAGE;
}

int ToolCommand::failure(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "kivparser: %s\n", message.c_str());
    return TOOL_EXIT_FAILURE;
}
