#include "PreviewPage.h"

#include "ActionFacts.h"
#include "HtmlText.h"
#include "PreviewAssets.h"
#include "PreviewBitmaps.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

std::string esc(const char* text)
{
    return HtmlText::escape(text);
}

std::string esc(const std::string& text)
{
    return HtmlText::escape(text);
}

// Colours of the first applications; later ones get hues a golden angle apart.
const char* const palette[] = {"#2f6db5", "#c0562b", "#2e8b57", "#8e44ad", "#b8860b",
                               "#d6336c", "#1f8a9c", "#6b6f1a", "#7a4b2a", "#4b5bd6"};

std::string colour(std::size_t index)
{
    if (index < sizeof palette / sizeof palette[0])
        return palette[index];
    char text[48];
    std::snprintf(text, sizeof text, "hsl(%u, 55%%, 40%%)", static_cast<unsigned>((index * 137) % 360));
    return text;
}

const char* kindWord(const MenuTree::Node& node)
{
    if (node.kind == MenuTree::Kind::Container) {
        switch (node.section) {
        case MenuTree::Section::MenuBars:
            return "menu bar";
        case MenuTree::Section::Tabs:
            return "tab";
        case MenuTree::Section::Toolbar:
        case MenuTree::Section::PopupItems:
        case MenuTree::Section::Lists:
            return "list";
        }
        return "list";
    }
    switch (node.itemType) {
    case MenuTree::ItemType::Toolbar:
        return "toolbar button";
    case MenuTree::ItemType::Popup:
        return node.depth == 1 ? "popup item" : "popup menu entry";
    case MenuTree::ItemType::List:
        return "list item";
    case MenuTree::ItemType::Menu:
        break;
    }
    return "menu entry";
}

std::string setting(int value)
{
    return value < 0 ? std::string("not given") : std::to_string(value);
}

// The lines of an active help, HTML-escaped, one per line of the page.
std::string activeHelpText(kivparser::String* lines)
{
    std::string help;
    for (const std::string& line : ActionFacts::values(lines))
        help += (help.empty() ? "" : "<br>") + esc(line);
    return help;
}

} // namespace

PreviewPage::PreviewPage(const MenuTree& theTree, PreviewBitmaps& theBitmaps)
    : tree(theTree), nodes(theTree.nodes()), bitmaps(theBitmaps), drawn(theTree.nodes().size(), 0)
{
    std::vector<kivparser::Application*> apps = tree.applications();
    for (std::size_t i = 0; i < apps.size(); ++i)
        appIndex[apps[i]] = i;
}

std::string PreviewPage::html(const char* rankedFor, bool folded)
{
    out.clear();
    head(rankedFor, folded);
    out += "<div class=\"layout\">\n<main>\n";
    menuBar();
    toolbar();
    popupMenus();
    containers(MenuTree::Section::Tabs, "Tabs", nullptr);
    containers(MenuTree::Section::Lists, "Lists no tab opens", "Lists of the registration that no tab leads to.");
    out +=
        "</main>\n<aside class=\"side\">\n"
        "<section class=\"panel\" aria-labelledby=\"panel-title\">\n"
        "<h2 id=\"panel-title\">Selected entry</h2>\n"
        "<div id=\"panel-body\" aria-live=\"polite\"><p class=\"hint\">Choose an entry (click, or Enter) to "
        "see what it runs.</p></div>\n</section>\n";
    legend();
    out += "</aside>\n</div>\n";
    details();
    out += "<script>\n";
    out += PreviewAssets::script;
    out += "</script>\n</body>\n</html>\n";
    return out;
}

void PreviewPage::head(const char* rankedFor, bool folded)
{
    out +=
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src 'self'; "
        "style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n"
        "<title>Merged menus - kivparser preview</title>\n<style>\n";
    out += PreviewAssets::style;
    std::vector<kivparser::Application*> apps = tree.applications();
    for (std::size_t i = 0; i < apps.size(); ++i)
        out += ".app-" + std::to_string(i) + " { --app: " + colour(i) + "; }\n";
    out +=
        "</style>\n<noscript><style>.menu .menu, .drop { display: block; position: static; box-shadow: none; }"
        "</style></noscript>\n</head>\n<body>\n<header class=\"page-head\">\n<h1>Merged menus</h1>\n<p>";
    out += std::to_string(apps.size()) + (apps.size() == 1 ? " application" : " applications");
    if (rankedFor)
        out += " &middot; ranked for " + esc(rankedFor);
    if (folded)
        out += " &middot; single-action cascades folded";
    out += " &middot; kivparser ";
    out += esc(kivparser::version());
    out += "</p>\n</header>\n";
}

void PreviewPage::menuBar()
{
    std::size_t start = sectionStart(MenuTree::Section::MenuBars);
    out +=
        "<section class=\"window\" aria-labelledby=\"window-title\">\n"
        "<h2 id=\"window-title\">Menu bar and toolbar</h2>\n<div class=\"mapwin\">\n"
        "<ul class=\"menubar\" role=\"menubar\" aria-label=\"Menu bar\">\n";
    for (std::size_t at = start + 1; at < nodes.size() && nodes[at].kind != MenuTree::Kind::Heading;) {
        std::size_t end = subtreeEnd(at);
        if (nodes[at].kind == MenuTree::Kind::Container) {
            out += "<li role=\"none\">";
            item(at, "menuitem", true);
            out += "<ul class=\"menu drop\" role=\"menu\" aria-label=\"" + esc(nodes[at].name) + "\">\n";
            entries({{at + 1, end}}, 2);
            out += "</ul></li>\n";
        }
        at = end;
    }
    out += "</ul>\n";
}

void PreviewPage::toolbar()
{
    std::size_t start = sectionStart(MenuTree::Section::Toolbar);
    out += "<div class=\"toolbar\" role=\"toolbar\" aria-label=\"Toolbar\">\n";
    for (std::size_t at = start + 1; at < nodes.size() && nodes[at].kind != MenuTree::Kind::Heading;
         at = subtreeEnd(at)) {
        if (nodes[at].kind == MenuTree::Kind::Entry)
            item(at, "button", false);
    }
    if (!nodes[start].count)
        out += "<span class=\"empty\">no toolbar buttons</span>";
    out += "</div>\n<div class=\"canvas\" aria-hidden=\"true\"></div>\n</div>\n</section>\n";
}

// One popup menu per target symbol type, in the order the types first come,
// each with the popup items for that type in their order.
void PreviewPage::popupMenus()
{
    std::size_t start = sectionStart(MenuTree::Section::PopupItems);
    std::vector<std::string> targets;
    std::map<std::string, std::vector<Range>> groups;
    for (std::size_t at = start + 1; at < nodes.size() && nodes[at].kind != MenuTree::Kind::Heading;) {
        std::size_t end = subtreeEnd(at);
        const MenuTree::Node& node = nodes[at];
        std::string target = node.kind == MenuTree::Kind::Entry
                                 ? std::string(static_cast<kivparser::PopupItem*>(node.item)->targetSymbolType
                                                   ? static_cast<kivparser::PopupItem*>(node.item)->targetSymbolType
                                                   : "")
                                 : std::string();
        if (!groups.count(target))
            targets.push_back(target);
        groups[target].push_back({at, end});
        at = end;
    }
    out +=
        "<section class=\"popups\" aria-labelledby=\"popups-title\">\n"
        "<h2 id=\"popups-title\">Popup menus by target symbol type</h2>\n";
    if (targets.empty())
        out += "<p class=\"empty\">No popup items.</p>\n";
    out += "<div class=\"boxes\">\n";
    for (const std::string& target : targets) {
        std::string name = target.empty() ? std::string("(no target type)") : target;
        out += "<figure class=\"box\">\n<figcaption>for <code>" + esc(name) +
               "</code></figcaption>\n<ul class=\"menu standing\" role=\"menu\" aria-label=\"Popup menu for " +
               esc(name) + "\">\n";
        entries(groups[target], 1);
        out += "</ul>\n</figure>\n";
    }
    out += "</div>\n</section>\n";
}

// Tabs, or the lists no tab opens: a box per container with its items.
void PreviewPage::containers(MenuTree::Section section, const char* title, const char* intro)
{
    std::size_t start = sectionStart(section);
    std::string id = section == MenuTree::Section::Tabs ? "tabs" : "lists";
    out += "<section class=\"" + id + "\" aria-labelledby=\"" + id + "-title\">\n<h2 id=\"" + id + "-title\">" + title +
           "</h2>\n";
    if (intro)
        out += std::string("<p class=\"intro\">") + intro + "</p>\n";
    if (!nodes[start].count)
        out += "<p class=\"empty\">None.</p>\n";
    out += "<div class=\"boxes\">\n";
    for (std::size_t at = start + 1; at < nodes.size() && nodes[at].kind != MenuTree::Kind::Heading;) {
        std::size_t end = subtreeEnd(at);
        if (nodes[at].kind == MenuTree::Kind::Container) {
            out += "<figure class=\"box\">\n<figcaption>";
            item(at, "button", false);
            out += "</figcaption>\n<ul class=\"menu standing\" role=\"menu\" aria-label=\"" + esc(nodes[at].name) +
                   "\">\n";
            entries({{at + 1, end}}, 2);
            out += "</ul>\n</figure>\n";
        }
        at = end;
    }
    out += "</div>\n</section>\n";
}

// The entries of the ranges, each range starting at `depth`, as nested menus:
// an entry that opens a container holds that container's menu.
void PreviewPage::entries(const std::vector<Range>& ranges, int depth)
{
    std::vector<int> open; // depths of the entries whose menu is open
    bool noteWritten = false;
    for (const Range& range : ranges) {
        for (std::size_t at = range.first; at < range.second; ++at) {
            const MenuTree::Node& node = nodes[at];
            if (node.kind == MenuTree::Kind::ExtraAction)
                continue;
            while (!open.empty() && open.back() >= node.depth) {
                out += "</ul></li>\n";
                open.pop_back();
                noteWritten = false;
            }
            if (node.depth - depth >= maxDepth || node.kind == MenuTree::Kind::Cut) {
                if (!noteWritten)
                    out += std::string(
                               "<li role=\"none\"><div role=\"menuitem\" aria-disabled=\"true\" "
                               "class=\"mi note\">") +
                           (node.kind == MenuTree::Kind::Cut ? "the tree stops here: too many entries"
                                                             : "deeper menus are not drawn") +
                           "</div></li>\n";
                noteWritten = true;
                continue;
            }
            std::size_t next = nextShown(at);
            bool hasEntries = next < range.second && nodes[next].depth > node.depth;
            bool opens = hasEntries || opensContainer(node);
            out += "<li role=\"none\">";
            item(at, "menuitem", opens);
            if (hasEntries) {
                out += "<ul class=\"menu\" role=\"menu\" aria-label=\"" + esc(node.name) + "\">\n";
                open.push_back(node.depth);
            } else if (opens) {
                out += "<ul class=\"menu\" role=\"menu\" aria-label=\"" + esc(node.name) +
                       "\"><li role=\"none\"><div role=\"menuitem\" aria-disabled=\"true\" class=\"mi note\">"
                       "(empty)</div></li></ul></li>\n";
            } else {
                out += "</li>\n";
            }
        }
        while (!open.empty()) {
            out += "</ul></li>\n";
            open.pop_back();
        }
    }
}

// The element of one entry or container: its label, the marks of what it
// does, its accelerator; the data the script and the tests read.
void PreviewPage::item(std::size_t at, const char* role, bool opens)
{
    const MenuTree::Node& node = nodes[at];
    drawn[at] = 1;
    bool button = std::strcmp(role, "button") == 0;
    const char* mnemonic = MenuTree::mnemonicOf(node);
    std::string classes = std::string(button ? "tool " : "mi ") + appClass(node.application);
    if (node.problem != MenuTree::Problem::None)
        classes += " problem";
    out += button ? "<button type=\"button\"" : "<div role=\"" + std::string(role) + "\"";
    out += " tabindex=\"-1\" class=\"" + classes + "\" data-e=\"" + std::to_string(at) + "\" data-label=\"" +
           esc(MenuTree::label(node)) + "\"";
    if (mnemonic)
        out += " data-mn=\"" + esc(mnemonic) + "\"";
    if (opens)
        out += " aria-haspopup=\"menu\" aria-expanded=\"false\"";
    out += ">";
    label(node);
    if (node.kind == MenuTree::Kind::Entry) {
        std::size_t actions = node.does == MenuTree::Does::Action ? 1 : 0;
        for (std::size_t i = at + 1; i < nodes.size() && nodes[i].kind == MenuTree::Kind::ExtraAction; ++i)
            ++actions;
        if (actions > 1)
            out += "<span class=\"multi\" title=\"" + std::to_string(actions) + " actions\">&times;" +
                   std::to_string(actions) + "</span>";
        MenuTree::Problem problem = node.problem;
        for (std::size_t i = at + 1; i < nodes.size() && nodes[i].kind == MenuTree::Kind::ExtraAction; ++i) {
            if (problem == MenuTree::Problem::None)
                problem = nodes[i].problem;
        }
        if (problem != MenuTree::Problem::None)
            out += std::string("<span class=\"warn\" title=\"") + MenuTree::problemText(problem) + "\">&#9888;</span>";
        if (node.itemType == MenuTree::ItemType::Popup) {
            const char* target = static_cast<kivparser::PopupItem*>(node.item)->targetSymbolType;
            if (target && node.depth > 1)
                out += "<span class=\"tag\">" + esc(target) + "</span>";
        }
        if (const char* accelerator = MenuTree::accelerator(node))
            out += "<span class=\"accel\">" + esc(keyText(accelerator)) + "</span>";
        if (opens && !button)
            out += "<span class=\"arrow\" aria-hidden=\"true\">&#9656;</span>";
    }
    out += button ? "</button>" : "</div>";
}

// The label with its mnemonic underlined; a bitmap label shows the copied
// bitmap when there is one.
void PreviewPage::label(const MenuTree::Node& node)
{
    const char* text = MenuTree::label(node);
    if (!text)
        text = "";
    bool bitmap = node.kind == MenuTree::Kind::Entry && node.item->isBitmap == 1;
    kivparser::_ParserList* list = nullptr;
    if (node.kind == MenuTree::Kind::Container && node.section != MenuTree::Section::MenuBars)
        list = static_cast<kivparser::_ParserList*>(node.container);
    const char* icon = list ? list->iconName
                       : node.kind == MenuTree::Kind::Entry && node.itemType == MenuTree::ItemType::List
                           ? static_cast<kivparser::ListItem*>(node.item)->iconName
                           : nullptr;
    if (bitmap) {
        std::string url = bitmaps.url(text);
        if (!url.empty()) {
            out += "<img src=\"" + esc(url) + "\" alt=\"" + esc(text) + "\" title=\"" + esc(text) + "\">";
            return;
        }
        out += "<span class=\"label bitmap\" title=\"bitmap not found\">" + esc(text) + "</span>";
        return;
    }
    if (icon) {
        std::string url = bitmaps.url(icon);
        if (!url.empty())
            out += "<img class=\"icon\" src=\"" + esc(url) + "\" alt=\"\">";
    }
    out += "<span class=\"label\">";
    const char* mnemonic = MenuTree::mnemonicOf(node);
    std::size_t length = mnemonic ? std::strlen(mnemonic) : 0;
    const char* found = length ? std::strstr(text, mnemonic) : nullptr;
    const unsigned char* m = reinterpret_cast<const unsigned char*>(mnemonic);
    bool oneCharacter = length == 1 ? m[0] < 0x80 : length > 1 && HtmlText::sequenceLength(m, m + length) == length;
    if (found && oneCharacter) {
        out += HtmlText::escape(text, found);
        out += "<span class=\"mn\">" + HtmlText::escape(found, found + length) + "</span>";
        out += esc(found + length);
    } else {
        out += esc(text);
    }
    out += "</span>";
}

// The hidden blocks the panel shows: one per entry and container, one per
// action.
void PreviewPage::details()
{
    out += "<div id=\"details\" hidden>\n";
    for (std::size_t at = 0; at < nodes.size(); ++at) {
        if (drawn[at])
            entryDetails(at);
    }
    for (std::size_t i = 0; i < actionOrder.size(); ++i)
        actionDetails(ActionFacts(actionOrder[i], tree.registration()), actionIds[actionOrder[i]]);
    out += "</div>\n";
}

void PreviewPage::entryDetails(std::size_t at)
{
    const MenuTree::Node& node = nodes[at];
    std::string actions;
    if (node.action)
        actions = actionId(node.action);
    for (std::size_t i = at + 1; i < nodes.size() && nodes[i].kind == MenuTree::Kind::ExtraAction; ++i) {
        if (nodes[i].action)
            actions += (actions.empty() ? "" : " ") + actionId(nodes[i].action);
    }
    const char* text = MenuTree::label(node);
    out += "<section class=\"detail\" id=\"d" + std::to_string(at) + "\" data-actions=\"" + actions + "\">\n<h3>" +
           esc(text ? text : "") + "</h3>\n<dl>\n";
    row("Kind", kindWord(node), "kind");
    const char* mnemonic = MenuTree::mnemonicOf(node);
    if (mnemonic)
        row("Mnemonic", esc(mnemonic), "mnemonic");
    const char* accelerator = MenuTree::accelerator(node);
    if (accelerator && *accelerator)
        row("Accelerator", "<code>" + esc(accelerator) + "</code>", "accelerator");
    int precedence = MenuTree::precedence(node);
    row("Precedence", precedence < 0 ? std::string("none given (sorts as 50)") : std::to_string(precedence),
        "precedence");
    row(node.kind == MenuTree::Kind::Container ? "First defined by" : "Added by",
        "<span class=\"swatch " + appClass(node.application) + "\"></span>" +
            esc(node.application ? node.application->appName : "no application"),
        "application");
    if (node.kind == MenuTree::Kind::Container) {
        if (node.section != MenuTree::Section::MenuBars) {
            kivparser::_ParserList* list = static_cast<kivparser::_ParserList*>(node.container);
            if (list->iconName)
                row("Icon", "<code>" + esc(list->iconName) + "</code>", "icon");
            std::string help = activeHelpText(list->activeHelp);
            if (!help.empty())
                row("Active help", help, "activeHelp");
        }
        out += "</dl>\n</section>\n";
        return;
    }
    kivparser::_MenuItem* entry = node.item;
    if (entry->isBitmap == 1)
        row("Bitmap", "<code>" + esc(entry->label) + "</code>", "bitmap");
    if (entry->contextExpr && *entry->contextExpr)
        row("Context", "<code>" + esc(entry->contextExpr) + "</code>", "context");
    if (node.itemType == MenuTree::ItemType::Popup) {
        const char* target = static_cast<kivparser::PopupItem*>(entry)->targetSymbolType;
        if (target)
            row("For symbols", "<code>" + esc(target) + "</code>", "target");
    }
    if (node.itemType == MenuTree::ItemType::List) {
        kivparser::ListItem* listItem = static_cast<kivparser::ListItem*>(entry);
        if (listItem->iconName)
            row("Icon", "<code>" + esc(listItem->iconName) + "</code>", "icon");
        std::string help = activeHelpText(listItem->activeHelp);
        if (!help.empty())
            row("Active help", help, "activeHelp");
    }
    row("Function",
        entry->function ? "<code>" + esc(MenuTree::functionText(entry->function)) + "</code>" : std::string("none"),
        "function");
    if (node.does == MenuTree::Does::Submenu || node.does == MenuTree::Does::PopupMenu ||
        node.does == MenuTree::Does::List)
        row("Opens", std::string(MenuTree::doesWord(node.does)) + " &ldquo;" + esc(node.name) + "&rdquo;", "opens");
    if (node.foldedFrom)
        row("Folded from", "submenu &ldquo;" + esc(node.foldedFrom) + "&rdquo;", "foldedFrom");
    std::string problems;
    if (node.problem != MenuTree::Problem::None)
        problems = esc(MenuTree::problemText(node.problem));
    for (std::size_t i = at + 1; i < nodes.size() && nodes[i].kind == MenuTree::Kind::ExtraAction; ++i) {
        if (nodes[i].problem != MenuTree::Problem::None)
            problems += std::string(problems.empty() ? "" : "<br>") + "action &ldquo;" +
                        esc(nodes[i].name ? nodes[i].name : "") + "&rdquo;: " + MenuTree::problemText(nodes[i].problem);
    }
    if (!problems.empty())
        row("Problem", "<span class=\"warn\">&#9888;</span> " + problems, "problem");
    out += "</dl>\n</section>\n";
}

void PreviewPage::actionDetails(const ActionFacts& facts, const std::string& id)
{
    kivparser::Action* action = facts.action;
    out += "<section class=\"action\" id=\"" + id + "\">\n<h3>Action &ldquo;" + esc(action->actionID) +
           "&rdquo;</h3>\n<dl>\n";
    if (!facts.defined)
        row("Problem", "<span class=\"warn\">&#9888;</span> named but never defined: it does nothing", "problem");
    else if (facts.incomplete)
        row("Problem", "<span class=\"warn\">&#9888;</span> its definition broke off: no role may run it", "problem");
    row("Application", esc(facts.application.empty() ? "none" : facts.application), "actionApplication");
    if (action->displayString)
        row("Display string", esc(action->displayString), "displayString");
    row("Selection rule",
        facts.selectionRule.empty() ? std::string("none (any selection)")
                                    : "<code>" + esc(facts.selectionRule) + "</code>",
        "selectionRule");
    row("Selected objects", "min " + esc(setting(action->minSelected)) + ", max " + esc(setting(action->maxSelected)),
        "selected");
    std::string roles;
    for (const std::string& role : facts.access)
        roles += (roles.empty() ? "" : ", ") + esc(role);
    if (facts.openToAll)
        roles = facts.access.empty() ? std::string("everybody (no access list)")
                                     : "everybody (the access list " + roles + " ends with a blank)";
    else if (facts.incomplete)
        roles = "nobody (incomplete definition)";
    row("Roles", roles, "roles");
    if (action->command) {
        std::string command = "<code>" + esc(facts.command) + "</code>";
        if (!facts.host.empty())
            command += " on " + esc(facts.host);
        if (!facts.launcher.empty())
            command += ", started by " + esc(facts.launcher);
        for (const std::string& flag : facts.commandFlags)
            command += " <span class=\"flag\">" + esc(flag) + "</span>";
        row("Command", command, "command");
    }
    if (action->urlPath)
        row("URL", "<code>" + esc(action->urlPath) + "</code>", "url");
    if (!facts.window.empty())
        row("Window", esc(facts.window), "window");
    if (action->callbackArg)
        row("Callback argument", "<code>" + esc(action->callbackArg) + "</code>", "callbackArg");
    std::string fields;
    for (const std::string& field : facts.nameFields)
        fields += (fields.empty() ? "" : ", ") + esc(field);
    if (!fields.empty())
        row("Name fields", fields, "nameFields");
    // Where the action was defined: shown when the registration records it.
    row("Defined in",
        facts.place.known ? "<code>" + esc(facts.place.file) + ":" + std::to_string(facts.place.line) + "</code>"
                          : std::string(),
        "definedAt");
    out += "</dl>\n</section>\n";
}

void PreviewPage::legend()
{
    out +=
        "<section class=\"legend\" aria-labelledby=\"legend-title\">\n"
        "<h2 id=\"legend-title\">Applications</h2>\n<ul>\n";
    for (kivparser::Application* app : tree.applications()) {
        out += "<li><span class=\"swatch " + appClass(app) + "\"></span>" + esc(app->appName);
        if (app->displayString)
            out += " <small>" + esc(app->displayString) + "</small>";
        out += "</li>\n";
    }
    out += "</ul>\n</section>\n";
}

std::size_t PreviewPage::sectionStart(MenuTree::Section section) const
{
    for (std::size_t at = 0; at < nodes.size(); ++at) {
        if (nodes[at].kind == MenuTree::Kind::Heading && nodes[at].section == section)
            return at;
    }
    return nodes.size();
}

// The first node after the node and everything below it.
std::size_t PreviewPage::subtreeEnd(std::size_t at) const
{
    std::size_t end = at + 1;
    while (end < nodes.size() && nodes[end].kind != MenuTree::Kind::Heading && nodes[end].depth > nodes[at].depth)
        ++end;
    return end;
}

// The next node after `at` that is not an extra action.
std::size_t PreviewPage::nextShown(std::size_t at) const
{
    std::size_t next = at + 1;
    while (next < nodes.size() && nodes[next].kind == MenuTree::Kind::ExtraAction)
        ++next;
    return next;
}

bool PreviewPage::opensContainer(const MenuTree::Node& node) const
{
    return node.kind == MenuTree::Kind::Entry && node.container &&
           node.problem != MenuTree::Problem::CycleNotFollowed &&
           (node.does == MenuTree::Does::Submenu || node.does == MenuTree::Does::PopupMenu ||
            node.does == MenuTree::Does::List);
}

std::string PreviewPage::appClass(const kivparser::Application* app) const
{
    auto found = appIndex.find(app);
    return found == appIndex.end() ? std::string("app-none") : "app-" + std::to_string(found->second);
}

std::string PreviewPage::actionId(kivparser::Action* action)
{
    auto found = actionIds.find(action);
    if (found != actionIds.end())
        return found->second;
    std::string id = "a" + std::to_string(actionOrder.size());
    actionIds[action] = id;
    actionOrder.push_back(action);
    return id;
}

void PreviewPage::row(const char* name, const std::string& html, const char* field)
{
    out += std::string("<dt>") + name + "</dt><dd";
    if (field)
        out += std::string(" data-field=\"") + field + "\"";
    if (html.empty())
        out += " class=\"unknown\" title=\"not recorded\"";
    out += ">" + html + "</dd>\n";
}

std::string PreviewPage::keyText(const char* accelerator)
{
    std::string text = accelerator;
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::size_t key = lower.find("<key>");
    if (key == std::string::npos)
        return text;
    std::string result;
    std::string modifiers = text.substr(0, key);
    std::size_t start = 0;
    while (start < modifiers.size()) {
        std::size_t end = modifiers.find_first_of(" \t", start);
        if (end == std::string::npos)
            end = modifiers.size();
        std::string word = modifiers.substr(start, end - start);
        // "~Shift": without Shift; nothing to press.
        if (!word.empty() && word[0] != '~')
            result += word + "+";
        start = end + 1;
    }
    std::string name = text.substr(key + 5);
    static const struct {
        const char* keysym;
        const char* shown;
    } names[] = {{"plus", "+"},     {"minus", "-"},     {"Return", "Enter"},       {"Escape", "Esc"},
                 {"Delete", "Del"}, {"space", "Space"}, {"BackSpace", "Backspace"}};
    for (const auto& entry : names) {
        if (name == entry.keysym)
            name = entry.shown;
    }
    return result + name;
}
