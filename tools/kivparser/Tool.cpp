#include "Tool.h"

#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstring>

Tool::Tool()
    : commands{&dumpCommand,  &checkCommand,   &lintCommand,    &stylesheetCommand, &iconCommand,
               &rolesCommand, &menusCommand, &previewCommand, &lspCommand}
{
}

int Tool::run(int argc, char** argv)
{
    if (argc < 2)
        return usageError("no command given");
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        printHelp();
        return TOOL_EXIT_OK;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::printf("kivparser %s\n", kivparser::version());
        return TOOL_EXIT_OK;
    }
    if (std::strcmp(first, "help") == 0) {
        if (argc == 2) {
            printHelp();
            return TOOL_EXIT_OK;
        }
        if (ToolCommand* command = find(argv[2])) {
            command->printHelp();
            return TOOL_EXIT_OK;
        }
        return usageError(std::string("unknown command '") + argv[2] + "'");
    }
    if (ToolCommand* command = find(first))
        return command->execute(argc - 2, argv + 2);
    if (first[0] == '-')
        return usageError(std::string("unknown option '") + first + "'");
    return usageError(std::string("unknown command '") + first + "'");
}

ToolCommand* Tool::find(const char* name)
{
    for (ToolCommand* command : commands) {
        if (std::strcmp(command->name(), name) == 0)
            return command;
    }
    return nullptr;
}

void Tool::printHelp() const
{
    std::printf(
        "usage: kivparser COMMAND [ARGUMENTS]\n"
        "       kivparser --help | --version | help COMMAND\n"
        "\n"
        "Reads the registration files of the map application: application (ARF),\n"
        "symbol (SRF), field (FRF) and CGI (SVRF) registrations.\n"
        "\n"
        "Commands:\n");
    for (const ToolCommand* command : commands)
        std::printf("  %-11s %s\n", command->name(), command->summary());
    std::printf(
        "\n"
        "Run 'kivparser COMMAND --help' for the arguments of a command.\n"
        "\n"
        "Environment:\n"
        "  KZ_ETC_PATH     configuration tree: registration, symbols, fields and\n"
        "                  www/registration/dazivovovo, each with a C subdirectory\n"
        "  KZ_PATH         installation tree; the web documents are in www/htdocs\n"
        "  KIvRegDir, KIvSymDir, KIvFieldDir\n"
        "                  directories of the application, symbol and field\n"
        "                  registrations, instead of those below KZ_ETC_PATH\n"
        "  KZwwwBitmapDir  bitmap directory of the web client\n"
        "  LC_ALL, LC_CTYPE, LANG\n"
        "                  the locale; its name is the language subdirectory read\n"
        "                  before C\n");
}

int Tool::usageError(const std::string& message) const
{
    std::string names;
    for (const ToolCommand* command : commands)
        names += std::string(names.empty() ? "" : ", ") + command->name();
    std::fprintf(stderr,
                 "kivparser: %s\n"
                 "usage: kivparser COMMAND [ARGUMENTS]   (commands: %s)\n"
                 "Try 'kivparser --help' for more information.\n",
                 message.c_str(), names.c_str());
    return TOOL_EXIT_USAGE;
}
