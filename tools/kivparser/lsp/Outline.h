#ifndef KIVPARSER_TOOL_LSP_OUTLINE_H
#define KIVPARSER_TOOL_LSP_OUTLINE_H

#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

// The outline of a file (documentSymbol): each application with its menu
// bars, menus, popup menus, actions, drop actions, tabs and lists; symbol
// classes with their types; fields; CGI programs. Each symbol's range runs
// from the keyword that opens its block to the block's closing brace, its
// selection range is its name.
class Outline {
public:
    Outline(Workspace& workspace, TextDocument::Units units) : files(workspace), positionUnits(units) {}
    nlohmann::json symbols(const Workspace::File& file);

private:
    Workspace& files;
    TextDocument::Units positionUnits;
};

#endif
