#ifndef KIVPARSER_TOOL_LSPCOMMAND_H
#define KIVPARSER_TOOL_LSPCOMMAND_H

#include "ToolCommand.h"

// kivparser lsp: the language server for editors, on standard input and
// output.
class LspCommand final : public ToolCommand {
public:
    LspCommand();

protected:
    int run(const CommandLine& line) override;
};

#endif
