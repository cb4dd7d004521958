#ifndef KIVPARSER_TOOL_STYLESHEETCOMMAND_H
#define KIVPARSER_TOOL_STYLESHEETCOMMAND_H

#include "ToolCommand.h"

// kivparser stylesheet: generates the dynamic views' style sheet when needed
// and prints its URL.
class StylesheetCommand final : public ToolCommand {
public:
    StylesheetCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
