#ifndef KIVPARSER_TOOL_STYLESHEETCOMMAND_H
#define KIVPARSER_TOOL_STYLESHEETCOMMAND_H

#include "ToolCommand.h"

// kivparser stylesheet: generates the dynamic views' style sheet when needed
// and prints its URL.
class StylesheetCommand final : public ToolCommand {
public:
    const char* name() const override { return "stylesheet"; }
    const char* synopsis() const override { return "stylesheet [--force]"; }
    const char* summary() const override;
    const char* description() const override;
    std::vector<OptionSpec> options() const override { return {{"--force", false}}; }

protected:
    int run(const CommandLine& line) override;
};

#endif
