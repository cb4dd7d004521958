#ifndef KIVPARSER_TOOL_PREVIEWCOMMAND_H
#define KIVPARSER_TOOL_PREVIEWCOMMAND_H

#include "ToolCommand.h"

// kivparser preview --out DIR: a static page that draws the merged menus as
// the map shows them, with a panel that tells what each entry runs.
class PreviewCommand final : public ToolCommand {
public:
    PreviewCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
