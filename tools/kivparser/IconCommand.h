#ifndef KIVPARSER_TOOL_ICONCOMMAND_H
#define KIVPARSER_TOOL_ICONCOMMAND_H

#include "ToolCommand.h"

// kivparser icon CLASS:TYPE: prints the URL of a symbol type's icon.
class IconCommand final : public ToolCommand {
public:
    const char* name() const override { return "icon"; }
    const char* synopsis() const override { return "icon CLASS:TYPE"; }
    const char* summary() const override;
    const char* description() const override;
    std::vector<OptionSpec> options() const override { return {}; }

protected:
    int run(const CommandLine& line) override;
};

#endif
