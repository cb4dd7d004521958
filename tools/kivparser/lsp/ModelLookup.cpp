#include "lsp/ModelLookup.h"

#include <kivparser/kivparser.h>

using namespace kivparser;

namespace {

template <class T>
void collect(T* head, std::vector<std::string>& into)
{
    for (const auto& element : elements(head)) {
        if (element.menuID)
            into.push_back(element.menuID);
    }
}

} // namespace

ModelObject ModelLookup::find(const Workspace& workspace, NameKind kind, const std::string& name,
                              const std::string& application, const std::string& symbolClass)
{
    ModelObject found;
    found.kind = kind;
    const char* text = name.c_str();
    ApplicationRegistration* arf = workspace.applications();
    Application* app = arf && !application.empty() ? arf->lookupApplication(application.c_str()) : nullptr;
    switch (kind) {
    case NameKind::None:
        break;
    case NameKind::Application:
        found.root = arf;
        found.object = arf ? arf->lookupApplication(text) : nullptr;
        break;
    case NameKind::MenuBar:
        found.root = arf;
        found.object = arf ? arf->lookupMenuBar(text) : nullptr;
        break;
    case NameKind::Menu:
        found.root = arf;
        found.object = app ? app->lookupMenu(text) : nullptr;
        break;
    case NameKind::PopupMenu:
        found.root = arf;
        found.object = app ? app->lookupPopupMenu(text) : nullptr;
        break;
    case NameKind::Action:
        found.root = arf;
        found.object = app ? app->lookupAction(text) : nullptr;
        break;
    case NameKind::DropAction:
        found.root = arf;
        found.object = app ? app->lookupDropAction(text) : nullptr;
        break;
    case NameKind::List:
        found.root = arf;
        found.object = arf ? arf->lookupList(text) : nullptr;
        break;
    case NameKind::Tab:
        found.root = arf;
        found.object = arf ? arf->lookupTab(text) : nullptr;
        break;
    case NameKind::SymbolClass:
        found.root = workspace.symbols();
        found.object = workspace.symbols() ? workspace.symbols()->lookupSymbolClass(text) : nullptr;
        break;
    case NameKind::SymbolType: {
        found.root = workspace.symbols();
        SymbolClass* owner =
            workspace.symbols() ? workspace.symbols()->lookupSymbolClass(symbolClass.c_str()) : nullptr;
        found.object = owner ? owner->lookupSymbolType(text) : nullptr;
        break;
    }
    case NameKind::Field:
        found.root = workspace.fields();
        found.object = workspace.fields() ? workspace.fields()->lookupField(text) : nullptr;
        break;
    case NameKind::Cgi:
        found.root = workspace.cgis();
        found.object = workspace.cgis() ? workspace.cgis()->lookupSnmppvCgi(text) : nullptr;
        break;
    }
    return found;
}

std::vector<std::string> ModelLookup::names(const Workspace& workspace, NameKind kind, const std::string& application)
{
    std::vector<std::string> result;
    ApplicationRegistration* arf = workspace.applications();
    if (!arf)
        return result;
    Application* app = application.empty() ? nullptr : arf->lookupApplication(application.c_str());
    switch (kind) {
    case NameKind::Action:
        if (app) {
            for (const Action& action : elements(app->actions)) {
                if (action.actionID)
                    result.push_back(action.actionID);
            }
        }
        break;
    case NameKind::Menu:
        if (app)
            collect(app->menus, result);
        break;
    case NameKind::PopupMenu:
        if (app)
            collect(app->popupMenus, result);
        break;
    case NameKind::List:
        collect(arf->lists, result);
        break;
    case NameKind::MenuBar:
        collect(arf->menuBars, result);
        break;
    default:
        break;
    }
    return result;
}
