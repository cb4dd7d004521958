#include "IconCommand.h"

#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstring>

namespace {

const CommandTexts texts = {
    "icon",
    "icon CLASS:TYPE",
    "print the URL of a symbol type's icon",
    "Prints the URL of the largest installed bitmap of the symbol type TYPE of the\n"
    "symbol class CLASS (for example Connector:Router), as the web client gets it.\n"
    "A symbol that is unknown, not of icon variety or without installed bitmaps\n"
    "gets the URL of the default icon.\n"
    "\n"
    "Exit status: 0, or 2 for a usage error.\n",
};

} // namespace

IconCommand::IconCommand() : ToolCommand(texts, {}) {}

int IconCommand::run(const CommandLine& line)
{
    if (line.operands().size() != 1)
        return usageError(line.operands().empty() ? "CLASS:TYPE is missing" : "only one CLASS:TYPE may be given");
    const char* symbol = line.operands()[0];
    if (!std::strchr(symbol, ':'))
        return usageError(std::string("'") + symbol + "' is not of the form CLASS:TYPE");
    if (std::strlen(symbol) >= KIV_WEB_URL_LEN)
        return usageError("CLASS:TYPE is too long");
    char url[KIV_WEB_URL_LEN];
    kivParserGetIconUrl(url, symbol);
    kivParserReleaseSymbolCache();
    std::printf("%s\n", url);
    std::fflush(stdout);
    return TOOL_EXIT_OK;
}
