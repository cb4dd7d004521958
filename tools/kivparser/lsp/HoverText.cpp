#include "lsp/HoverText.h"

#include "ActionFacts.h"
#include "MenuTree.h"
#include "lsp/CursorContext.h"
#include "lsp/Diagnostics.h"
#include "lsp/KeywordHelp.h"
#include "lsp/ModelLookup.h"
#include "lsp/SourceScanner.h"

#include <cstring>

using Json = nlohmann::json;

namespace {

// A text of the files inside Markdown code: backquotes and line breaks would
// end it.
std::string code(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '`')
            result += '\'';
        else if (c == '\n' || c == '\r')
            result += ' ';
        else
            result += c;
    }
    return "`" + result + "`";
}

std::string plain(const char* text)
{
    std::string result;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (std::strchr("\\`*_{}[]<>()#+-.!|", *p))
            result += '\\';
        result += *p == '\n' || *p == '\r' ? ' ' : *p;
    }
    return result;
}

std::string appName(const kivparser::Application* app)
{
    return app && app->appName ? app->appName : "?";
}

} // namespace

std::string HoverText::action(kivparser::Action* action, const kivparser::ApplicationRegistration* root)
{
    ActionFacts facts(action, root);
    std::string text = "**action** " + code(action->actionID ? action->actionID : "") + " of " +
                       plain(facts.application.c_str()) + "\n\n";
    if (!facts.defined)
        text += "⚠ named by an entry but never defined\n\n";
    if (facts.incomplete)
        text += "⚠ its definition broke off: no role may run it\n\n";
    if (action->displayString)
        text += "- display string: " + code(action->displayString) + "\n";
    text += "- selection rule: " + (facts.selectionRule.empty() ? std::string("none") : code(facts.selectionRule)) + "\n";
    if (action->minSelected >= 0 || action->maxSelected >= 0) {
        text += "- selected objects: ";
        text += action->minSelected >= 0 ? "at least " + std::to_string(action->minSelected) : "";
        text += action->minSelected >= 0 && action->maxSelected >= 0 ? ", " : "";
        text += action->maxSelected >= 0 ? "at most " + std::to_string(action->maxSelected) : "";
        text += "\n";
    }
    std::string roles;
    for (const std::string& role : facts.access)
        roles += (roles.empty() ? "" : ", ") + code(role);
    text += "- roles: " + (facts.openToAll ? std::string("every role") : roles.empty() ? "none" : roles) + "\n";
    if (!facts.command.empty())
        text += "- command: " + code(facts.command) + (facts.host.empty() ? "" : " on " + code(facts.host)) + "\n";
    if (action->urlPath)
        text += "- URL: " + code(action->urlPath) + "\n";
    text += "- window: " + (facts.window.empty() ? std::string("none") : code(facts.window)) + "\n";
    if (facts.place.known) {
        std::string file = facts.place.file.substr(facts.place.file.find_last_of('/') + 1);
        text += "- defined in " + code(file + ":" + std::to_string(facts.place.line)) + "\n";
    }
    return text;
}

std::string HoverText::container(const kivparser::_Menu* menu, const char* what, int itemType, bool ofApplication)
{
    kivparser::_Menu* held = const_cast<kivparser::_Menu*>(menu);
    std::vector<MenuTree::Node> entries =
        MenuTree::entriesOf(files.applications(), held, static_cast<MenuTree::ItemType>(itemType));
    std::string text = "**" + std::string(what) + "** " + code(menu->menuID ? menu->menuID : "");
    if (ofApplication)
        text += " of " + plain(appName(held->getApplication()).c_str());
    int count = 0;
    for (const MenuTree::Node& node : entries)
        count += node.kind == MenuTree::Kind::Entry ? 1 : 0;
    text += " — " + std::to_string(count) + (count == 1 ? " entry" : " entries") + " after the merge, in order:\n\n";
    for (const MenuTree::Node& node : entries) {
        if (node.kind == MenuTree::Kind::Cut) {
            text += "- …\n";
            break;
        }
        std::string line = node.kind == MenuTree::Kind::ExtraAction ? "  - + " : "- ";
        if (node.kind == MenuTree::Kind::Entry) {
            int precedence = MenuTree::precedence(node);
            line += "`<" + (precedence >= 0 ? std::to_string(precedence) : std::string("-")) + ">` ";
            line += code(MenuTree::label(node) ? MenuTree::label(node) : "");
            if (const char* accelerator = MenuTree::accelerator(node))
                line += " " + code(accelerator);
        }
        if (node.does != MenuTree::Does::Nothing) {
            line += std::string(" → ") + MenuTree::doesWord(node.does);
            if (node.name)
                line += " " + code(node.name);
        }
        if (node.problem != MenuTree::Problem::None)
            line += std::string(" ⚠ ") + MenuTree::problemText(node.problem);
        line += " — *" + plain(appName(node.application).c_str()) + "*";
        text += line + "\n";
    }
    return text;
}

Json HoverText::at(const Workspace::File& file, const TextPosition& position)
{
    const TextDocument* text = files.text(file.name);
    if (!text)
        return nullptr;
    std::size_t offset = text->offsetAt(position, positionUnits);
    SourceScanner scanner(text->text());
    CursorContext context(scanner, offset);
    if (context.token < 0)
        return nullptr;
    std::string value;
    if (context.what == CursorContext::What::Keyword) {
        const char* line = KeywordHelp::line(context.keyword.c_str());
        if (!line)
            return nullptr;
        value = line;
    } else if (context.what == CursorContext::What::Definition || context.what == CursorContext::What::Use) {
        ModelObject found =
            ModelLookup::find(files, context.kind, context.name, context.application, context.symbolClass);
        if (!found.object)
            return nullptr;
        using ItemType = MenuTree::ItemType;
        switch (context.kind) {
        case NameKind::MenuBar:
            value = container(static_cast<const kivparser::_Menu*>(found.object), "menu bar", static_cast<int>(ItemType::Menu), false);
            break;
        case NameKind::Menu:
            value = container(static_cast<const kivparser::_Menu*>(found.object), "menu", static_cast<int>(ItemType::Menu), true);
            break;
        case NameKind::PopupMenu:
            value = container(static_cast<const kivparser::_Menu*>(found.object), "popup menu", static_cast<int>(ItemType::Popup), true);
            break;
        case NameKind::List:
            value = container(static_cast<const kivparser::_Menu*>(found.object), "list", static_cast<int>(ItemType::List), false);
            break;
        case NameKind::Tab:
            value = container(static_cast<const kivparser::_Menu*>(found.object), "tab", static_cast<int>(ItemType::List), false);
            break;
        case NameKind::Action:
            value = action(const_cast<kivparser::Action*>(static_cast<const kivparser::Action*>(found.object)),
                           files.applications());
            break;
        default:
            return nullptr;
        }
    } else {
        return nullptr;
    }
    const SourceScanner::Token& token = scanner.tokens()[context.token];
    return Json{{"contents", {{"kind", "markdown"}, {"value", value}}},
                {"range",
                 {{"start", Diagnostics::position(text->positionAt(token.start, positionUnits))},
                  {"end", Diagnostics::position(text->positionAt(token.end, positionUnits))}}}};
}
