#ifndef KIVPARSER_TOOL_ICONCOMMAND_H
#define KIVPARSER_TOOL_ICONCOMMAND_H

#include "ToolCommand.h"

// kivparser icon CLASS:TYPE: prints the URL of a symbol type's icon.
class IconCommand final : public ToolCommand {
public:
    IconCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
