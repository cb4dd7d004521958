#ifndef KIVPARSER_TOOL_LINTCOMMAND_H
#define KIVPARSER_TOOL_LINTCOMMAND_H

#include "ToolCommand.h"

// kivparser lint [FILE...] [--path DIRLIST]: everything check reports, then
// the rules that need the whole merged registration (lintApplications), over
// the files given or over an installation as the loaders load it.
class LintCommand final : public ToolCommand {
public:
    LintCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
