#ifndef KIVPARSER_TOOL_LSP_FOLDING_H
#define KIVPARSER_TOOL_LSP_FOLDING_H

#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

// The folding ranges of a file: every block of more than one line, from the
// line of the statement that opens it to the line of its closing brace, and
// every comment of more than one line.
class Folding {
public:
    explicit Folding(Workspace& workspace) : files(workspace) {}
    nlohmann::json ranges(const Workspace::File& file);

private:
    Workspace& files;
};

#endif
