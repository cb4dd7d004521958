#ifndef KIVPARSER_TOOL_LSP_NAVIGATION_H
#define KIVPARSER_TOOL_LSP_NAVIGATION_H

#include "lsp/ModelLookup.h"
#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <vector>

// Where names lead: the blocks that define the object a name stands for
// (several when blocks of several files merged into it), every entry that
// uses it, and both within one file for highlighting. The places are those
// the library's source map recorded while the workspace was loaded.
class Navigation {
public:
    Navigation(Workspace& workspace, TextDocument::Units units, const std::map<std::string, std::string>& uris)
        : files(workspace), positionUnits(units), uriOfPath(uris)
    {
    }

    nlohmann::json definition(const Workspace::File& file, const TextPosition& position);
    nlohmann::json references(const Workspace::File& file, const TextPosition& position, bool withDefinitions);
    nlohmann::json highlights(const Workspace::File& file, const TextPosition& position);

    // One place in a file, as the source map holds it.
    struct Place {
        std::string file; // as the loads name it
        int line;
        int column;
        int endLine;
        int endColumn;
    };
    static std::vector<Place> definitions(const ModelObject& object);
    static std::vector<Place> uses(const ModelObject& object);

private:
    // The object named at the cursor, or one without an object.
    ModelObject target(const Workspace::File& file, const TextPosition& position);
    nlohmann::json location(const Place& place);
    nlohmann::json range(const Place& place);

    Workspace& files;
    TextDocument::Units positionUnits;
    const std::map<std::string, std::string>& uriOfPath;
};

#endif
