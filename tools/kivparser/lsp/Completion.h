#ifndef KIVPARSER_TOOL_LSP_COMPLETION_H
#define KIVPARSER_TOOL_LSP_COMPLETION_H

#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// What may be typed at the cursor: after f.action, f.menu or f.list the
// names that exist (the actions and menus of the application being edited,
// the registration's lists); elsewhere the keywords that the grammar accepts
// there, as its tables say: the text before the cursor is parsed alone, with
// a token after it that no rule takes, and the syntax error that token draws
// names what would have been accepted.
class Completion {
public:
    Completion(Workspace& workspace, TextDocument::Units units) : files(workspace), positionUnits(units) {}
    nlohmann::json at(const Workspace::File& file, const TextPosition& position);

    // The tokens the grammar accepts after `prefix` (the text of a file up
    // to the cursor), as the syntax error spells them ("'menubar'", "a
    // string"); empty when the parse does not stop at the end of the prefix.
    static std::vector<std::string> expectedAfter(const std::string& name, const std::string& prefix);

private:
    Workspace& files;
    TextDocument::Units positionUnits;
};

#endif
