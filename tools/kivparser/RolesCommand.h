#ifndef KIVPARSER_TOOL_ROLESCOMMAND_H
#define KIVPARSER_TOOL_ROLESCOMMAND_H

#include "ToolCommand.h"

// kivparser roles APP ACTION ROLE...: whether a user with these roles may run
// an action, with security enforced.
class RolesCommand final : public ToolCommand {
public:
    RolesCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
