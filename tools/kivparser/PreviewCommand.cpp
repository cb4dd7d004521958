#include "PreviewCommand.h"

#include "MenuTree.h"
#include "PreviewBitmaps.h"
#include "PreviewPage.h"
#include "RegistrationKind.h"

#include <cstdio>
#include <string>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const helpBefore =
    "Loads the application registrations and writes DIR/index.html, a page that\n"
    "draws the merged menus as the map shows them: the menu bar with drop-down\n"
    "menus and cascades that open on hover and from the keyboard (arrow keys,\n"
    "Enter, Escape), mnemonics underlined and accelerators on the right, the\n"
    "toolbar with its bitmaps, a popup menu per target symbol type, the tabs and\n"
    "the lists no tab opens. Each entry is coloured by the application that\n"
    "contributed it (a legend names them); choosing one shows in a side panel\n"
    "what it runs: the action's display string, selection rule, minimum and\n"
    "maximum of selected objects, roles, command or URL and window. The page\n"
    "needs nothing from the network; the bitmaps it shows are copied from the web\n"
    "bitmap directory into DIR/bitmaps. The path of the page is printed.\n"
    "\n"
    "Options:\n";
const char* const helpAfter =
    "  --out DIR       the directory of the page (created when missing)\n"
    "\n"
    "Exit status: 0 when the page was written, 1 when no registration was found or\n"
    "the page could not be written, 2 for a usage error.\n";
const std::string help = std::string(helpBefore) + MenuTree::optionHelp + helpAfter;

const CommandTexts texts = {
    "preview",
    "preview [--path DIRLIST] [--app NAME] [--fold] --out DIR",
    "write a web page that draws the merged menus",
    help.c_str(),
};

} // namespace

PreviewCommand::PreviewCommand()
    : ToolCommand(texts, {{"--path", true}, {"--app", true}, {"--fold", false}, {"--out", true}})
{
}

int PreviewCommand::run(const CommandLine& line)
{
    if (!line.operands().empty())
        return usageError(std::string("unexpected argument '") + line.operands()[0] + "'");
    const char* outDir = line.value("--out");
    if (!outDir || !*outDir)
        return usageError("--out DIR is missing");
    const char* path = line.value("--path");
    const char* app = line.value("--app");
    bool fold = line.has("--fold");
    MenuTree tree;
    if (!tree.load(path, app, fold))
        return RegistrationKind::application.reportNotFound(path);

    fs::path dir(outDir);
    std::error_code error;
    fs::create_directories(dir, error);
    if (error)
        return failure("cannot create " + dir.string() + ": " + error.message());
    PreviewBitmaps bitmaps(dir);
    std::string page = PreviewPage(tree, bitmaps).html(app, fold);
    fs::path file = dir / "index.html";
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(page.data(), static_cast<std::streamsize>(page.size()));
    stream.close();
    if (!stream)
        return failure("cannot write " + file.string());
    std::printf("%s\n", file.string().c_str());
    std::fflush(stdout);
    return TOOL_EXIT_OK;
}
