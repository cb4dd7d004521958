#ifndef KIVPARSER_TOOL_ROLESCOMMAND_H
#define KIVPARSER_TOOL_ROLESCOMMAND_H

#include "ToolCommand.h"

// kivparser roles APP ACTION ROLE...: whether a user with these roles may run
// an action, with security enforced.
class RolesCommand final : public ToolCommand {
public:
    const char* name() const override { return "roles"; }
    const char* synopsis() const override;
    const char* summary() const override;
    const char* description() const override;
    std::vector<OptionSpec> options() const override { return {{"--path", true}, {"--app", true}}; }

protected:
    int run(const CommandLine& line) override;
};

#endif
