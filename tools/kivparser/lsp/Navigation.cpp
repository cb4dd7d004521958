#include "lsp/Navigation.h"

#include "lsp/CursorContext.h"
#include "lsp/Diagnostics.h"
#include "lsp/FileUri.h"
#include "lsp/SourceScanner.h"

using Json = nlohmann::json;

namespace {

using Finder = int (*)(const void*, const void*, kivparser::SourceLocation*, int);

std::vector<Navigation::Place> places(const ModelObject& object, Finder find)
{
    std::vector<Navigation::Place> result;
    if (!object.object || !object.root)
        return result;
    std::vector<kivparser::SourceLocation> found(16);
    int count = find(object.root, object.object, found.data(), static_cast<int>(found.size()));
    if (count > static_cast<int>(found.size())) {
        found.resize(static_cast<std::size_t>(count));
        count = find(object.root, object.object, found.data(), count);
    }
    for (int i = 0; i < count && i < static_cast<int>(found.size()); i++) {
        if (found[i].file)
            result.push_back(Navigation::Place{found[i].file, found[i].line, found[i].column, found[i].endLine,
                                               found[i].endColumn});
    }
    return result;
}

} // namespace

std::vector<Navigation::Place> Navigation::definitions(const ModelObject& object)
{
    return places(object, kivparser::findDefinitions);
}

std::vector<Navigation::Place> Navigation::uses(const ModelObject& object)
{
    return places(object, kivparser::findUses);
}

ModelObject Navigation::target(const Workspace::File& file, const TextPosition& position)
{
    const TextDocument* text = files.text(file.name);
    if (!text)
        return ModelObject();
    SourceScanner scanner(text->text());
    CursorContext context(scanner, text->offsetAt(position, positionUnits));
    if (context.what != CursorContext::What::Definition && context.what != CursorContext::What::Use)
        return ModelObject();
    return ModelLookup::find(files, context.kind, context.name, context.application, context.symbolClass);
}

Json Navigation::range(const Place& place)
{
    return Diagnostics::range(files.text(place.file), place.line, place.column, place.endLine, place.endColumn,
                              positionUnits);
}

Json Navigation::location(const Place& place)
{
    std::string path = FileUri::canonical(place.file);
    auto known = uriOfPath.find(path);
    return Json{{"uri", known != uriOfPath.end() ? known->second : FileUri::fromPath(path)}, {"range", range(place)}};
}

Json Navigation::definition(const Workspace::File& file, const TextPosition& position)
{
    ModelObject object = target(file, position);
    if (!object.object)
        return nullptr;
    Json list = Json::array();
    for (const Place& place : definitions(object))
        list.push_back(location(place));
    return list.empty() ? Json() : list;
}

Json Navigation::references(const Workspace::File& file, const TextPosition& position, bool withDefinitions)
{
    Json list = Json::array();
    ModelObject object = target(file, position);
    if (!object.object)
        return list;
    if (withDefinitions) {
        for (const Place& place : definitions(object))
            list.push_back(location(place));
    }
    for (const Place& place : uses(object))
        list.push_back(location(place));
    return list;
}

Json Navigation::highlights(const Workspace::File& file, const TextPosition& position)
{
    Json list = Json::array();
    ModelObject object = target(file, position);
    if (!object.object)
        return list;
    std::string here = FileUri::canonical(file.name);
    // DocumentHighlightKind: 2 read (a use), 3 write (a definition).
    for (int pass = 0; pass < 2; pass++) {
        for (const Place& place : pass == 0 ? definitions(object) : uses(object)) {
            if (FileUri::canonical(place.file) == here)
                list.push_back({{"range", range(place)}, {"kind", pass == 0 ? 3 : 2}});
        }
    }
    return list;
}
