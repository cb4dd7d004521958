#ifndef KIVPARSER_TOOL_LSP_MODELLOOKUP_H
#define KIVPARSER_TOOL_LSP_MODELLOOKUP_H

#include "lsp/CursorContext.h"
#include "lsp/Workspace.h"

#include <string>
#include <vector>

// The object of the loaded registrations that a name stands for: menus,
// popup menus, actions and drop actions of the application named (the one
// whose block holds the name), menu bars, lists and tabs of the whole
// registration, symbol classes and types, fields, CGI programs.
struct ModelObject {
    const void* root = nullptr;   // the registration that holds it
    const void* object = nullptr; // null: nothing of that name
    NameKind kind = NameKind::None;
};

class ModelLookup {
public:
    static ModelObject find(const Workspace& workspace, NameKind kind, const std::string& name,
                            const std::string& application, const std::string& symbolClass);
    // The names that exist of one kind (of `application` for its own
    // kinds), in the registration's order.
    static std::vector<std::string> names(const Workspace& workspace, NameKind kind, const std::string& application);
};

#endif
