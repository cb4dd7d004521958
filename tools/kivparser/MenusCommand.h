#ifndef KIVPARSER_TOOL_MENUSCOMMAND_H
#define KIVPARSER_TOOL_MENUSCOMMAND_H

#include "ToolCommand.h"

// kivparser menus: the merged menus of the application registrations as a
// compact tree, or as a JSON document of the same tree.
class MenusCommand final : public ToolCommand {
public:
    MenusCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
