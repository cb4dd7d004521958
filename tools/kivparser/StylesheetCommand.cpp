#include "StylesheetCommand.h"

#include <kivparser/kivparser.h>

#include <cstdio>

namespace {

const CommandTexts texts = {
    "stylesheet",
    "stylesheet [--force]",
    "generate the web style sheet when needed and print its URL",
    "Prints the URL of the dynamic views' style sheet, dvStyleV7.xml in\n"
    "%KZ_PATH%/www/htdocs/C/dynamicViews. The style sheet is generated from the\n"
    "template dvStyle.xml.template of that directory when it does not exist yet:\n"
    "one style per symbol class and type of icon variety, with the bitmap sizes\n"
    "installed below the bitmap directory (KZwwwBitmapDir, default\n"
    "%KZ_PATH%/www/htdocs/bitmaps).\n"
    "\n"
    "Options:\n"
    "  --force  generate it even when it exists (after installing new icons)\n"
    "\n"
    "Exit status: 0 on success, 1 when the style sheet could not be generated\n"
    "(the reason is printed), 2 for a usage error.\n",
};

} // namespace

StylesheetCommand::StylesheetCommand() : ToolCommand(texts, {{"--force", false}}) {}

int StylesheetCommand::run(const CommandLine& line)
{
    if (!line.operands().empty())
        return usageError(std::string("unexpected argument '") + line.operands()[0] + "'");
    char url[KIV_WEB_URL_LEN];
    char message[KIV_WEB_ERRMSG_LEN];
    int result =
        kivParserSetStyleXMLURLandCreateIfNeeded(url, line.has("--force") ? 1 : 0, "C", message, KIV_WEB_ERRMSG_LEN);
    // The symbol registration the generation cached is of no further use.
    kivParserReleaseSymbolCache();
    if (result != 0)
        return failure(message);
    std::printf("%s\n", url);
    std::fflush(stdout);
    return TOOL_EXIT_OK;
}
