#ifndef KIVPARSER_TOOL_LSP_HOVERTEXT_H
#define KIVPARSER_TOOL_LSP_HOVERTEXT_H

#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

#include <string>

// What hovering over a name or keyword shows, in Markdown: for a menu bar or
// menu its entries after every file's were merged, in precedence order, with
// the application that contributed each; for an action its display string,
// selection rule, limits, roles, command, window and the file and line of its
// first definition; for a keyword one line on what it does.
class HoverText {
public:
    HoverText(Workspace& workspace, TextDocument::Units units) : files(workspace), positionUnits(units) {}
    nlohmann::json at(const Workspace::File& file, const TextPosition& position);

    // The Markdown of a merged container (a menu bar, menu, popup menu, tab
    // or list) and of an action.
    // `itemType` is a MenuTree::ItemType; `ofApplication`: the container
    // belongs to one application (menus, popup menus), not to all.
    std::string container(const kivparser::_Menu* menu, const char* what, int itemType, bool ofApplication);
    static std::string action(kivparser::Action* action, const kivparser::ApplicationRegistration* root);

private:
    Workspace& files;
    TextDocument::Units positionUnits;
};

#endif
