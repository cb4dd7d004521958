#include "MenuTreeJson.h"

#include "ActionFacts.h"

namespace {

const char* sectionKey(MenuTree::Section section)
{
    switch (section) {
    case MenuTree::Section::MenuBars:
        return "menuBars";
    case MenuTree::Section::Toolbar:
        return "toolbar";
    case MenuTree::Section::PopupItems:
        return "popupItems";
    case MenuTree::Section::Tabs:
        return "tabs";
    case MenuTree::Section::Lists:
        return "lists";
    }
    return "";
}

const char* doesKey(MenuTree::Does does)
{
    return does == MenuTree::Does::PopupMenu ? "popupMenu" : MenuTree::doesWord(does);
}

// Whether the node shows a container's entries below it (perhaps none).
bool opensContainer(const MenuTree::Node& node)
{
    if (node.kind == MenuTree::Kind::Container)
        return true;
    return node.kind == MenuTree::Kind::Entry && node.container &&
           node.problem != MenuTree::Problem::CycleNotFollowed &&
           (node.does == MenuTree::Does::Submenu || node.does == MenuTree::Does::PopupMenu ||
            node.does == MenuTree::Does::List);
}

} // namespace

MenuTreeJson::MenuTreeJson(std::FILE* theOut) : out(theOut) {}

void MenuTreeJson::write(const MenuTree& tree, const char* rankedFor, bool folded)
{
    root = tree.registration();
    open('{');
    key("rankedFor");
    string(rankedFor);
    key("folded");
    boolean(folded);
    key("applications");
    open('[');
    for (kivparser::Application* app : tree.applications()) {
        open('{');
        key("name");
        string(app->appName);
        key("displayString");
        string(app->displayString);
        close('}');
    }
    close(']');

    const std::vector<MenuTree::Node>& nodes = tree.nodes();
    std::vector<int> openEntries; // depths of the nodes whose "entries" are open
    bool sectionOpen = false;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const MenuTree::Node& node = nodes[i];
        if (node.kind == MenuTree::Kind::ExtraAction)
            continue; // written with its entry
        while (!openEntries.empty() && (node.kind == MenuTree::Kind::Heading || openEntries.back() >= node.depth)) {
            close(']');
            close('}');
            openEntries.pop_back();
        }
        if (node.kind == MenuTree::Kind::Heading) {
            if (sectionOpen)
                close(']');
            key(sectionKey(node.section));
            open('[');
            sectionOpen = true;
            continue;
        }
        open('{');
        if (node.kind == MenuTree::Kind::Cut) {
            key("leftOut");
            boolean(true);
        } else if (node.kind == MenuTree::Kind::Container) {
            container(node);
        } else {
            entry(nodes, i);
        }
        std::size_t next = i + 1;
        while (next < nodes.size() && nodes[next].kind == MenuTree::Kind::ExtraAction)
            ++next;
        if (next < nodes.size() && nodes[next].kind != MenuTree::Kind::Heading && nodes[next].depth > node.depth) {
            key("entries");
            open('[');
            openEntries.push_back(node.depth);
            continue;
        }
        if (opensContainer(node)) {
            key("entries");
            open('[');
            close(']');
        }
        close('}');
    }
    while (!openEntries.empty()) {
        close(']');
        close('}');
        openEntries.pop_back();
    }
    if (sectionOpen)
        close(']');
    close('}');
    std::fputc('\n', out);
}

void MenuTreeJson::container(const MenuTree::Node& node)
{
    key("name");
    string(node.container->menuID);
    if (node.section == MenuTree::Section::MenuBars) {
        key("mnemonic");
        string(MenuTree::mnemonicOf(node));
    }
    key("precedence");
    number(node.container->precedence);
    if (node.section != MenuTree::Section::MenuBars) {
        kivparser::_ParserList* list = static_cast<kivparser::_ParserList*>(node.container);
        key("icon");
        string(list->iconName);
        key("activeHelp");
        strings(ActionFacts::values(list->activeHelp));
    }
    key("application");
    string(node.application ? node.application->appName : nullptr);
}

void MenuTreeJson::entry(const std::vector<MenuTree::Node>& nodes, std::size_t at)
{
    const MenuTree::Node& node = nodes[at];
    kivparser::_MenuItem* item = node.item;
    key("label");
    string(item->label);
    key("bitmap");
    boolean(item->isBitmap == 1);
    key("mnemonic");
    string(MenuTree::mnemonicOf(node));
    key("accelerator");
    string(MenuTree::accelerator(node));
    key("precedence");
    number(item->precedence);
    key("application");
    string(node.application ? node.application->appName : nullptr);
    key("context");
    string(item->contextExpr);
    key("target");
    string(node.itemType == MenuTree::ItemType::Popup ? static_cast<kivparser::PopupItem*>(item)->targetSymbolType
                                                      : nullptr);
    if (node.itemType == MenuTree::ItemType::List) {
        kivparser::ListItem* listItem = static_cast<kivparser::ListItem*>(item);
        key("icon");
        string(listItem->iconName);
        key("activeHelp");
        strings(ActionFacts::values(listItem->activeHelp));
    }
    key("function");
    std::string function = MenuTree::functionText(item->function);
    string(item->function ? function.c_str() : nullptr);
    key("does");
    string(doesKey(node.does));
    key("name");
    string(node.name);
    key("foldedFrom");
    string(node.foldedFrom);
    key("problem");
    string(MenuTree::problemKey(node.problem));
    key("actions");
    open('[');
    if (node.does == MenuTree::Does::Action)
        action(node, false);
    for (std::size_t i = at + 1; i < nodes.size() && nodes[i].kind == MenuTree::Kind::ExtraAction; ++i)
        action(nodes[i], true);
    close(']');
}

// One action an entry runs; a further action of the label also says the
// precedence and application of the entry that added it.
void MenuTreeJson::action(const MenuTree::Node& node, bool withEntry)
{
    open('{');
    key("name");
    string(node.name);
    if (withEntry) {
        key("precedence");
        number(node.item->precedence);
        key("addedBy");
        string(node.application ? node.application->appName : nullptr);
    }
    key("problem");
    string(MenuTree::problemKey(node.problem));
    if (node.action)
        facts(ActionFacts(node.action, root));
    close('}');
}

void MenuTreeJson::facts(const ActionFacts& facts)
{
    kivparser::Action* action = facts.action;
    key("application");
    string(facts.application.empty() ? nullptr : facts.application.c_str());
    key("defined");
    boolean(facts.defined);
    key("incomplete");
    boolean(facts.incomplete);
    key("displayString");
    string(action->displayString);
    key("selectionRule");
    string(facts.selectionRule.empty() ? nullptr : facts.selectionRule.c_str());
    key("minSelected");
    number(action->minSelected);
    key("maxSelected");
    number(action->maxSelected);
    key("nameFields");
    strings(facts.nameFields);
    key("callbackArg");
    string(action->callbackArg);
    key("command");
    if (action->command) {
        open('{');
        key("line");
        string(action->command->commandName);
        key("host");
        string(action->command->hostSpec);
        key("launcher");
        string(action->command->launchSpec);
        key("flags");
        strings(facts.commandFlags);
        close('}');
    } else {
        null();
    }
    key("url");
    string(action->urlPath);
    key("access");
    if (facts.accessGiven)
        strings(facts.access);
    else
        null();
    key("openToAll");
    boolean(facts.openToAll);
    key("window");
    string(facts.window.empty() ? nullptr : facts.window.c_str());
    key("definedAt");
    if (facts.place.known) {
        open('{');
        key("file");
        string(facts.place.file.c_str());
        key("line");
        number(facts.place.line);
        close('}');
    } else {
        null();
    }
}

void MenuTreeJson::key(const char* name)
{
    if (needComma)
        std::fputc(',', out);
    kivparser::writeJsonString(out, name);
    std::fputc(':', out);
    needComma = false;
}

void MenuTreeJson::string(const char* text)
{
    if (needComma)
        std::fputc(',', out);
    kivparser::writeJsonString(out, text);
    needComma = true;
}

void MenuTreeJson::number(long value)
{
    if (needComma)
        std::fputc(',', out);
    std::fprintf(out, "%ld", value);
    needComma = true;
}

void MenuTreeJson::boolean(bool value)
{
    if (needComma)
        std::fputc(',', out);
    std::fputs(value ? "true" : "false", out);
    needComma = true;
}

void MenuTreeJson::null()
{
    string(nullptr);
}

void MenuTreeJson::open(char bracket)
{
    if (needComma)
        std::fputc(',', out);
    std::fputc(bracket, out);
    needComma = false;
}

void MenuTreeJson::close(char bracket)
{
    std::fputc(bracket, out);
    needComma = true;
}

void MenuTreeJson::strings(const std::vector<std::string>& texts)
{
    open('[');
    for (const std::string& text : texts)
        string(text.c_str());
    close(']');
}
