#include "MenuTree.h"

#include <unordered_set>

namespace {

kivparser::_MenuItem* firstItem(kivparser::_Menu* container)
{
    return container && container->menuItems ? container->menuItems->next() : nullptr;
}

// The kind of entries in what an entry of `type` opens: a toolbar button's
// menu (which the parser never makes, but a host may) holds menu entries.
MenuTree::ItemType openedType(MenuTree::ItemType type)
{
    return type == MenuTree::ItemType::Toolbar ? MenuTree::ItemType::Menu : type;
}

} // namespace

const char* const MenuTree::optionHelp =
    "  --path DIRLIST  load from these directories instead of the standard ones\n"
    "  --app NAME      name the loading program first (setArfPriorities): its own\n"
    "                  file is parsed first and applications are ranked for it\n"
    "  --fold          fold cascades that lead to a single action into their entry\n";

// One container being walked: the entry to visit next and the depth of its
// entries.
struct MenuTree::Frame {
    kivparser::_MenuItem* next;
    int depth;
    ItemType type;
    kivparser::_Menu* container; // null for the toolbar and the popup items
};

MenuTree::~MenuTree()
{
    delete reg;
}

bool MenuTree::load(const char* path, const char* app, bool fold)
{
    if (app)
        setArfPriorities(app);
    kivparser::ApplicationRegistration* loaded = loadArf(0, path);
    if (!loaded)
        return false;
    if (fold)
        loaded->removeSingleActionMenus();
    build(loaded);
    return true;
}

void MenuTree::build(kivparser::ApplicationRegistration* registration)
{
    delete reg;
    reg = registration;
    all.clear();
    shownLists.clear();
    cut = false;
    for (Section s : {Section::MenuBars, Section::Toolbar, Section::PopupItems, Section::Tabs, Section::Lists})
        section(s);
    linkParents();
}

std::vector<MenuTree::Node> MenuTree::entriesOf(kivparser::ApplicationRegistration* registration,
                                                kivparser::_Menu* container, ItemType type)
{
    MenuTree view;
    view.reg = registration;
    for (kivparser::_MenuItem* item = firstItem(container); item && !view.full(); item = item->next())
        view.addEntry(Section::MenuBars, 1, item, type);
    view.reg = nullptr; // the caller's
    return std::move(view.all);
}

std::vector<kivparser::Application*> MenuTree::applications() const
{
    std::vector<kivparser::Application*> result;
    for (kivparser::Application& app : kivparser::elements(reg ? reg->applications : nullptr)) {
        if (app.appName)
            result.push_back(&app);
    }
    return result;
}

void MenuTree::section(Section s)
{
    Node heading{};
    heading.section = s;
    heading.kind = Kind::Heading;
    push(heading);

    auto container = [this, s](kivparser::_Menu* menu) {
        Node node{};
        node.section = s;
        node.kind = Kind::Container;
        node.depth = 1;
        node.container = menu;
        node.application = menu->getApplication();
        node.name = menu->menuID;
        if (full())
            return false;
        push(node);
        return true;
    };

    switch (s) {
    case Section::MenuBars:
        for (kivparser::MenuBar& bar : kivparser::elements(reg->menuBars)) {
            if (bar.menuID && container(&bar))
                walk(s, firstItem(&bar), ItemType::Menu, &bar);
        }
        break;
    case Section::Toolbar:
        walk(s, reg->toolbarButtons ? reg->toolbarButtons->next() : nullptr, ItemType::Toolbar, nullptr);
        break;
    case Section::PopupItems:
        walk(s, reg->popupItems ? reg->popupItems->next() : nullptr, ItemType::Popup, nullptr);
        break;
    case Section::Tabs:
        for (kivparser::Tab& tab : kivparser::elements(reg->tabs)) {
            if (tab.menuID && container(&tab))
                walk(s, firstItem(&tab), ItemType::List, &tab);
        }
        break;
    case Section::Lists: {
        // The lists no tab opens: first those that no list item opens either,
        // each with what it opens; then any left (lists that open each other
        // in a ring, which only a host can make).
        std::unordered_set<const void*> seen(shownLists.begin(), shownLists.end());
        std::unordered_set<const void*> opened;
        for (kivparser::ParserList& list : kivparser::elements(reg->lists)) {
            for (kivparser::_MenuItem& item : kivparser::elements(list.menuItems)) {
                if (item.menuLink)
                    opened.insert(item.menuLink);
            }
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (kivparser::ParserList& each : kivparser::elements(reg->lists)) {
                kivparser::ParserList* list = &each;
                if (!list->menuID || seen.count(list) || (pass == 0 && opened.count(list)))
                    continue;
                std::size_t before = shownLists.size();
                if (container(list)) {
                    shownLists.push_back(list);
                    walk(s, firstItem(list), ItemType::List, list);
                }
                for (std::size_t i = before; i < shownLists.size(); ++i)
                    seen.insert(shownLists[i]);
            }
        }
        break;
    }
    }
}

// The entries from `first` on, at the depth below `outer` (a menu bar, tab or
// list shown at depth 1; null: the entries are at depth 1), each followed by
// what it opens. A link back into a container on the way down is marked and
// not followed.
void MenuTree::walk(Section s, kivparser::_MenuItem* first, ItemType type, kivparser::_Menu* outer)
{
    std::vector<Frame> frames;
    std::unordered_set<const void*> open;
    if (outer)
        open.insert(outer);
    frames.push_back({first, outer ? 2 : 1, type, outer});
    while (!frames.empty()) {
        Frame& frame = frames.back();
        kivparser::_MenuItem* item = frame.next;
        if (!item) {
            open.erase(frame.container);
            frames.pop_back();
            continue;
        }
        frame.next = item->next();
        if (full())
            return;
        int depth = frame.depth;
        ItemType itemType = frame.type;
        std::size_t at = addEntry(s, depth, item, itemType);
        bool opens = all[at].does == Does::Submenu || all[at].does == Does::PopupMenu || all[at].does == Does::List;
        kivparser::_Menu* link = opens ? all[at].container : nullptr;
        if (!link)
            continue;
        if (open.count(link)) {
            all[at].problem = Problem::CycleNotFollowed;
            continue;
        }
        open.insert(link);
        if (s == Section::Tabs || s == Section::Lists)
            shownLists.push_back(link);
        frames.push_back({firstItem(link), depth + 1, openedType(itemType), link});
    }
}

std::size_t MenuTree::addEntry(Section s, int depth, kivparser::_MenuItem* item, ItemType type)
{
    Node node{};
    node.section = s;
    node.kind = Kind::Entry;
    node.depth = depth;
    node.itemType = type;
    node.item = item;
    node.application = item->getApplication();
    describe(node);
    std::size_t at = push(node);
    if (type != ItemType::Menu)
        return at;
    // Further actions on the same label, each as its entry made it.
    kivparser::MenuItem* entry = static_cast<kivparser::MenuItem*>(item);
    for (kivparser::MenuItem* dup = entry->dupMenuItems ? entry->dupMenuItems->next() : nullptr; dup;
         dup = dup->next()) {
        if (full())
            break;
        Node extra{};
        extra.section = s;
        extra.kind = Kind::ExtraAction;
        extra.depth = depth + 1;
        extra.itemType = type;
        extra.item = dup;
        extra.application = dup->getApplication();
        describe(extra);
        push(extra);
    }
    return at;
}

// What the entry's function does, what it names and what went wrong with it.
void MenuTree::describe(Node& node)
{
    kivparser::_MenuItem* item = node.item;
    kivparser::Function* function = item->function;
    const char* containerType = node.itemType == ItemType::List ? "list" : "menu";
    if (!function) {
        node.does = Does::Nothing;
        return;
    }
    if (function->shellCommand) {
        node.does = Does::Command;
        node.name = function->shellCommand;
        return;
    }
    char* argument = function->functionArg;
    if (function->isType("action") || (function->isType(containerType) && item->actionLink && !item->menuLink)) {
        node.does = Does::Action;
        if (!function->isType("action"))
            node.foldedFrom = argument;
        node.action = item->actionLink;
        node.name = node.action ? node.action->actionID : argument;
        if (!argument && !node.action)
            node.problem = Problem::NoName;
        else if (!node.action)
            node.problem = Problem::NotLinked;
        else if (!node.action->locked)
            node.problem = Problem::Undefined;
        else if (node.action->definitionIncomplete())
            node.problem = Problem::Incomplete;
        return;
    }
    if (!function->isType(containerType)) {
        node.does = Does::Function;
        node.name = function->functionType;
        return;
    }
    node.does = node.itemType == ItemType::List    ? Does::List
                : node.itemType == ItemType::Popup ? Does::PopupMenu
                                                   : Does::Submenu;
    node.container = item->menuLink;
    node.name = node.container ? node.container->menuID : argument;
    if (node.container) {
        if (!node.container->locked)
            node.problem = Problem::Undefined;
        return;
    }
    if (!argument) {
        node.problem = Problem::NoName;
        return;
    }
    // A container of that name that the entry does not open: the parser
    // refused the link because that container already led back here.
    kivparser::Application* app = item->getApplication();
    bool exists = false;
    if (node.itemType == ItemType::List)
        exists = reg->lookupList(argument) != nullptr;
    else if (node.itemType == ItemType::Popup)
        exists = app && app->lookupPopupMenu(argument);
    else if (node.itemType == ItemType::Menu)
        exists = app && app->lookupMenu(argument);
    node.problem = exists ? Problem::CycleRefused : Problem::NotLinked;
}

std::size_t MenuTree::push(const Node& node)
{
    all.push_back(node);
    return all.size() - 1;
}

bool MenuTree::full()
{
    if (cut)
        return true;
    if (all.size() + 1 < maxNodes)
        return false;
    cut = true;
    Node node{};
    node.section = all.empty() ? Section::MenuBars : all.back().section;
    node.kind = Kind::Cut;
    node.depth = all.empty() ? 1 : all.back().depth;
    push(node);
    return true;
}

// Parents, the last node below each parent, and the count below headings.
void MenuTree::linkParents()
{
    std::vector<std::size_t> lastAt; // the last node seen at each depth
    for (std::size_t i = 0; i < all.size(); ++i) {
        Node& node = all[i];
        std::size_t depth = static_cast<std::size_t>(node.depth);
        if (node.kind == Kind::Heading) {
            node.parent = i;
        } else {
            node.parent = depth - 1 < lastAt.size() ? lastAt[depth - 1] : 0;
            if (all[node.parent].kind == Kind::Heading)
                all[node.parent].count++;
        }
        if (node.kind == Kind::ExtraAction)
            continue;
        if (lastAt.size() <= depth)
            lastAt.resize(depth + 1);
        lastAt[depth] = i;
    }
    std::vector<char> hasLater(all.size(), 0);
    for (std::size_t i = all.size(); i-- > 0;) {
        Node& node = all[i];
        if (node.kind == Kind::Heading || node.kind == Kind::ExtraAction) {
            node.last = true;
            continue;
        }
        node.last = !hasLater[node.parent];
        hasLater[node.parent] = 1;
    }
}

const char* MenuTree::sectionTitle(Section section)
{
    switch (section) {
    case Section::MenuBars:
        return "Menu bars";
    case Section::Toolbar:
        return "Toolbar";
    case Section::PopupItems:
        return "Popup items";
    case Section::Tabs:
        return "Tabs";
    case Section::Lists:
        return "Lists no tab opens";
    }
    return "";
}

const char* MenuTree::doesWord(Does does)
{
    switch (does) {
    case Does::Action:
        return "action";
    case Does::Submenu:
        return "submenu";
    case Does::PopupMenu:
        return "popup menu";
    case Does::List:
        return "list";
    case Does::Command:
        return "command";
    case Does::Function:
        return "function";
    case Does::Nothing:
        break;
    }
    return "nothing";
}

const char* MenuTree::problemText(Problem problem)
{
    switch (problem) {
    case Problem::Undefined:
        return "never defined";
    case Problem::Incomplete:
        return "definition incomplete: no role may run it";
    case Problem::NoName:
        return "names nothing";
    case Problem::CycleRefused:
        return "link refused: it would close a cycle";
    case Problem::NotLinked:
        return "not linked";
    case Problem::CycleNotFollowed:
        return "leads back to a menu above: not followed";
    case Problem::None:
        break;
    }
    return "";
}

const char* MenuTree::problemKey(Problem problem)
{
    switch (problem) {
    case Problem::Undefined:
        return "undefined";
    case Problem::Incomplete:
        return "incomplete";
    case Problem::NoName:
        return "noName";
    case Problem::CycleRefused:
        return "cycleRefused";
    case Problem::NotLinked:
        return "notLinked";
    case Problem::CycleNotFollowed:
        return "cycleNotFollowed";
    case Problem::None:
        break;
    }
    return nullptr;
}

const char* MenuTree::mnemonicOf(const Node& node)
{
    if (node.kind == Kind::Container && node.section == Section::MenuBars)
        return static_cast<kivparser::MenuBar*>(node.container)->mnemonic;
    if ((node.kind == Kind::Entry || node.kind == Kind::ExtraAction) && node.itemType == ItemType::Menu)
        return static_cast<kivparser::MenuItem*>(node.item)->mnemonic;
    return nullptr;
}

const char* MenuTree::accelerator(const Node& node)
{
    if ((node.kind == Kind::Entry || node.kind == Kind::ExtraAction) && node.itemType == ItemType::Menu)
        return static_cast<kivparser::MenuItem*>(node.item)->accelerator;
    return nullptr;
}

const char* MenuTree::label(const Node& node)
{
    switch (node.kind) {
    case Kind::Heading:
        return sectionTitle(node.section);
    case Kind::Container:
        return node.container->menuID;
    case Kind::Entry:
    case Kind::ExtraAction:
        return node.item->label;
    case Kind::Cut:
        break;
    }
    return nullptr;
}

int MenuTree::precedence(const Node& node)
{
    if (node.kind == Kind::Container)
        return node.container->precedence;
    if (node.kind == Kind::Entry || node.kind == Kind::ExtraAction)
        return node.item->precedence;
    return -1;
}

std::string MenuTree::functionText(const kivparser::Function* function)
{
    if (!function)
        return std::string();
    if (function->shellCommand)
        return std::string("! ") + function->shellCommand;
    std::string text = std::string("f.") + (function->functionType ? function->functionType : "");
    if (function->functionArg)
        text += std::string(" \"") + function->functionArg + "\"";
    return text;
}
