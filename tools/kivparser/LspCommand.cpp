#include "LspCommand.h"

#ifdef KIVPARSER_TOOL_LSP
#include "lsp/Connection.h"
#include "lsp/LspServer.h"
#endif

#include <cstdio>
#include <string>

namespace {

const char* const help =
    "Serves the language server protocol (3.17) on standard input and output,\n"
    "for editors: diagnostics as you type, outline, go to definition, references,\n"
    "hover, completion, folding and highlights for registration files. The\n"
    "workspace folder is read as an installation root (registration, symbols,\n"
    "fields and www/registration/dazivovovo below it, each with its language\n"
    "subdirectories) when it holds any of those directories; the editor's\n"
    "initializationOptions may name the directories instead (etcPath,\n"
    "registrationPath, symbolPath, fieldPath, cgiPath, application, lint);\n"
    "otherwise the loaders' own directories are used (KZ_ETC_PATH, KIvRegDir ...).\n"
    "Files are loaded as the loaders load them; an open buffer takes the place of\n"
    "its file. Nothing is written to the files.\n"
    "\n"
    "Exit status: 0 when the client asked for shutdown before exit, 1 when it\n"
    "did not (or the input ended first, or the server was built without the\n"
    "language server), 2 for a usage error.\n";

const CommandTexts texts = {
    "lsp",
    "lsp",
    "serve the language server protocol to an editor",
    help,
};

} // namespace

LspCommand::LspCommand() : ToolCommand(texts, {}) {}

int LspCommand::run(const CommandLine& line)
{
    if (!line.operands().empty())
        return usageError(std::string("unexpected argument '") + line.operands()[0] + "'");
#ifdef KIVPARSER_TOOL_LSP
    std::FILE* messages = Connection::claimStandardOutput();
    Connection connection(stdin, messages);
    LspServer server;
    return server.run(connection);
#else
    return failure("this kivparser was built without its language server (no nlohmann-json for its target was "
                   "found when it was configured; Debian: nlohmann-json3-dev)");
#endif
}
