#ifndef KIVPARSER_TOOL_TOOL_H
#define KIVPARSER_TOOL_TOOL_H

#include "CheckCommand.h"
#include "DumpCommand.h"
#include "IconCommand.h"
#include "LintCommand.h"
#include "LspCommand.h"
#include "MenusCommand.h"
#include "PreviewCommand.h"
#include "RolesCommand.h"
#include "StylesheetCommand.h"

// The kivparser program: picks the command named by the first argument and
// runs it; answers --help and --version itself.
class Tool {
public:
    Tool();
    int run(int argc, char** argv);

private:
    ToolCommand* find(const char* name);
    void printHelp() const;
    int usageError(const std::string& message) const;

    DumpCommand dumpCommand;
    CheckCommand checkCommand;
    LintCommand lintCommand;
    StylesheetCommand stylesheetCommand;
    IconCommand iconCommand;
    RolesCommand rolesCommand;
    MenusCommand menusCommand;
    PreviewCommand previewCommand;
    LspCommand lspCommand;
    std::vector<ToolCommand*> commands;
};

#endif
