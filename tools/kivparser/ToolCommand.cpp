#include "ToolCommand.h"

#include <cstdio>
#include <utility>

ToolCommand::ToolCommand(const CommandTexts& texts, std::vector<OptionSpec> options)
    : texts_(texts), options_(std::move(options))
{
}

int ToolCommand::execute(int argc, char** argv)
{
    std::vector<OptionSpec> specs = options_;
    specs.push_back({"--help", false});
    specs.push_back({"-h", false});
    CommandLine line;
    if (!line.parse(argc, argv, specs))
        return usageError(line.error());
    if (line.has("--help") || line.has("-h")) {
        printHelp();
        return kExitOk;
    }
    return run(line);
}

void ToolCommand::printHelp() const
{
    std::printf("usage: kivparser %s\n\n%s", texts_.synopsis, texts_.description);
}

int ToolCommand::usageError(const std::string& message) const
{
    std::fflush(stdout);
    std::fprintf(stderr, "kivparser %s: %s\nusage: kivparser %s\nTry 'kivparser %s --help' for more information.\n",
                 texts_.name, message.c_str(), texts_.synopsis, texts_.name);
    return kExitUsage;
}

int ToolCommand::failure(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "kivparser: %s\n", message.c_str());
    return kExitFailure;
}
