#ifndef KIVPARSER_TOOL_CHECKCOMMAND_H
#define KIVPARSER_TOOL_CHECKCOMMAND_H

#include "ToolCommand.h"

// kivparser check FILE...: parses registration files as a loader would, into
// one set of registrations, reporting every problem, and sums them up.
class CheckCommand final : public ToolCommand {
public:
    CheckCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
