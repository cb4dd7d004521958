#ifndef KIVPARSER_TOOL_LSP_DIAGNOSTICS_H
#define KIVPARSER_TOOL_LSP_DIAGNOSTICS_H

#include "lsp/ReportCapture.h"
#include "lsp/TextDocument.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

class Workspace;

// The diagnostics of one file as the protocol writes them: one per report,
// with its range (the token or name at fault where the library knows it,
// else the line), severity, code (the rule's name), source "kivparser" and
// the places the report points to.
class Diagnostics {
public:
    using Json = nlohmann::json;
    // The URI under which a file (as the loads name it) is published.
    using UriOf = std::function<std::string(const std::string& name)>;

    Diagnostics(Workspace& workspace, TextDocument::Units units, bool related, UriOf uriOf)
        : files(workspace), positionUnits(units), withRelated(related), uri(std::move(uriOf))
    {
    }

    Json forFile(const std::string& name, const std::vector<CapturedReport>& reports) const;
    // The range of a place of the library in a file (null text: line only).
    static Json range(const TextDocument* text, int line, int column, int endLine, int endColumn,
                      TextDocument::Units units);
    static Json position(const TextPosition& position);

private:
    Workspace& files;
    TextDocument::Units positionUnits;
    bool withRelated;
    UriOf uri;
};

#endif
