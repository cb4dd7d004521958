#include "MenusCommand.h"

#include "MenuTree.h"
#include "MenuTreeJson.h"
#include "MenuTreeText.h"
#include "RegistrationKind.h"

#include <cstdio>
#include <string>
#include <cstring>

namespace {

const char* const helpBefore =
    "Loads the application registrations and prints the menus that the map shows\n"
    "once every application's entries are merged: the menu bars in their order,\n"
    "the toolbar, the popup items, the tabs, and the lists that no tab opens. Each\n"
    "line is one entry: its label (mnemonic underlined, or marked with _), its\n"
    "accelerator in [ ], its precedence in < > (- when none was given: it sorts\n"
    "as 50), for a popup item the symbol types it is for, what it does and, in\n"
    "parentheses, the application that contributed it. What it does: -> action\n"
    "\"NAME\"; > submenu, popup menu or list \"NAME\", with that container's\n"
    "entries nested below; ! command; another function as written (in UTF-8 the\n"
    "arrows are drawn as such). A further action on the same label follows on a\n"
    "line of its own (+ action \"NAME\"). An action, menu or list that was named\n"
    "but never defined, an action whose definition broke off (no role may run\n"
    "it), and a link refused because it would have closed a cycle are marked with\n"
    "a warning sign (!! in ASCII).\n"
    "\n"
    "Options:\n";
const char* const helpAfter =
    "  --ascii         draw in plain ASCII (the default when the locale is not\n"
    "                  UTF-8)\n"
    "  --format=text|json\n"
    "                  text (the default) or the same tree as one JSON document\n"
    "\n"
    "Exit status: 0 when the registrations were loaded, 1 when none was found\n"
    "(the directory looked in is named), 2 for a usage error.\n";
const std::string help = std::string(helpBefore) + MenuTree::optionHelp + helpAfter;

const CommandTexts texts = {
    "menus",
    "menus [--path DIRLIST] [--app NAME] [--fold] [--ascii] [--format=text|json]",
    "show the merged menus as a tree",
    help.c_str(),
};

} // namespace

MenusCommand::MenusCommand()
    : ToolCommand(texts, {{"--path", true}, {"--app", true}, {"--fold", false}, {"--ascii", false}, {"--format", true}})
{
}

int MenusCommand::run(const CommandLine& line)
{
    if (!line.operands().empty())
        return usageError(std::string("unexpected argument '") + line.operands()[0] + "'");
    bool json = false;
    if (const char* format = line.value("--format")) {
        if (std::strcmp(format, "json") == 0)
            json = true;
        else if (std::strcmp(format, "text") != 0)
            return usageError(std::string("unknown format '") + format + "' (text or json)");
    }
    const char* path = line.value("--path");
    MenuTree tree;
    if (!tree.load(path, line.value("--app"), line.has("--fold")))
        return RegistrationKind::application.reportNotFound(path);
    if (json)
        MenuTreeJson(stdout).write(tree, line.value("--app"), line.has("--fold"));
    else
        MenuTreeText(stdout, line.has("--ascii") || !MenuTreeText::localeIsUtf8()).write(tree);
    std::fflush(stdout);
    return TOOL_EXIT_OK;
}
