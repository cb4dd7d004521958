#include "application/Linter.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "kivparser/application/Tab.h"
#include "kivparser/application/ToolbarButton.h"
#include "kivparser/application/_MenuItem.h"
#include "kivparser/lists/Elements.h"
#include "kivparser/language/DiagnosticRules.h"
#include "kivparser/application/Lint.h"
#include "kivparser/language/ParserErr.h"
#include "language/DiagnosticRuleNames.h"
#include "language/EntryGuard.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "language/ReportDetails.h"
#include "language/SourceMap.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

namespace kivparser {

namespace {

const char* orEmpty(const char* text)
{
    return text ? text : "";
}

// The functions that entries may name.
const char* const knownFunctions[] = {"action", "menu", "list"};

} // namespace

Linter::Linter(const ApplicationRegistration* reg, const std::vector<std::string>& rules)
    : registration(reg), enabled(rules)
{
}

bool Linter::wants(const char* rule) const
{
    return std::find(enabled.begin(), enabled.end(), rule) != enabled.end();
}

int Linter::run()
{
    if (!registration)
        return 0;
    allEntries = entries();
    undefinedContainers();
    unreachableMenus();
    emptyMenus();
    suspiciousFunctions();
    unusedActions();
    return findings;
}

void Linter::report(const char* rule, const std::vector<SourcePlace>& places, const char* relatedText,
                    const std::string& message)
{
    ReportDetails details;
    details.rule(rule);
    const char* file = nullptr;
    int line = 0;
    for (size_t i = 0; i < places.size(); i++) {
        if (i == 0) {
            details.at(places[i].span);
            file = places[i].file;
            line = places[i].span.line;
        } else if (relatedText) {
            details.related(places[i].file, places[i].span.line, places[i].span.column, relatedText);
        }
    }
    reportFinding(file, line, "%s", message.c_str());
    findings++;
}

std::vector<const _MenuItem*> Linter::entries() const
{
    std::vector<const _MenuItem*> all;
    for (const _Menu* menu : menusWithEntries()) {
        for (const _MenuItem& item : elements(menu->menuItems))
            all.push_back(&item);
    }
    for (const PopupItem& item : elements(registration->popupItems))
        all.push_back(&item);
    for (const ToolbarButton& item : elements(registration->toolbarButtons))
        all.push_back(&item);
    return all;
}

std::vector<const _Menu*> Linter::menusWithEntries() const
{
    std::vector<const _Menu*> menus;
    for (const MenuBar& bar : elements(registration->menuBars))
        menus.push_back(&bar);
    for (const Tab& tab : elements(registration->tabs))
        menus.push_back(&tab);
    for (const ParserList& list : elements(registration->lists))
        menus.push_back(&list);
    for (const Application& app : elements(registration->applications)) {
        for (const Menu& menu : elements(app.menus))
            menus.push_back(&menu);
        for (const PopupMenu& menu : elements(app.popupMenus))
            menus.push_back(&menu);
    }
    return menus;
}

// A menu, popup menu or list that entries name but no block defines stays an
// empty placeholder: the cascade opens nothing.
void Linter::undefinedContainers()
{
    struct Kind {
        const char* rule;
        const char* word;
        const char* function;
    };
    const Kind menuKind = {RULE_UNDEFINED_MENU, "Menu", "f.menu"};
    const Kind popupKind = {RULE_UNDEFINED_POPUP_MENU, "PopupMenu", "f.menu in a popup item"};
    const Kind listKind = {RULE_UNDEFINED_LIST, "List", "f.list"};
    auto check = [this](const Kind& kind, const _Menu* menu) {
        if (menu->locked || !wants(kind.rule))
            return;
        report(kind.rule, SourceMap::uses(registration, menu), "also named here",
               std::string(kind.word) + " \"" + orEmpty(menu->menuID) + "\" is named by " + kind.function +
                   " but no block defines it: it stays empty");
    };
    for (const Application& app : elements(registration->applications)) {
        for (const Menu& menu : elements(app.menus))
            check(menuKind, &menu);
        for (const PopupMenu& menu : elements(app.popupMenus))
            check(popupKind, &menu);
    }
    for (const ParserList& list : elements(registration->lists))
        check(listKind, &list);
}

// A menu or popup menu block that no entry links to is never shown.
void Linter::unreachableMenus()
{
    if (!wants(RULE_UNREACHABLE_MENU))
        return;
    std::set<const _Menu*> linked;
    for (const _MenuItem* item : allEntries) {
        if (item->menuLink)
            linked.insert(item->menuLink);
    }
    for (const Application& app : elements(registration->applications)) {
        auto check = [&](const _Menu* menu, const char* word) {
            if (!menu->locked || linked.count(menu) || !SourceMap::uses(registration, menu).empty())
                return;
            report(RULE_UNREACHABLE_MENU, SourceMap::definitions(registration, menu), "also defined here",
                   std::string(word) + " \"" + orEmpty(menu->menuID) + "\" is defined but no entry names it");
        };
        for (const Menu& menu : elements(app.menus))
            check(&menu, "Menu");
        for (const PopupMenu& menu : elements(app.popupMenus))
            check(&menu, "PopupMenu");
    }
}

// A menu bar or menu whose blocks, merged, hold no entry.
void Linter::emptyMenus()
{
    if (!wants(RULE_EMPTY_MENU))
        return;
    auto check = [this](const _Menu* menu, const char* word) {
        if (!menu->locked || !elements(menu->menuItems).empty())
            return;
        report(RULE_EMPTY_MENU, SourceMap::definitions(registration, menu), "also defined here",
               std::string(word) + " \"" + orEmpty(menu->menuID) + "\" has no entries");
    };
    for (const MenuBar& bar : elements(registration->menuBars))
        check(&bar, "MenuBar");
    for (const Application& app : elements(registration->applications)) {
        for (const Menu& menu : elements(app.menus))
            check(&menu, "Menu");
    }
}

// f.acton, f.mneu: a function no entry can mean, close to one it can.
void Linter::suspiciousFunctions()
{
    if (!wants(RULE_SUSPICIOUS_FUNCTION))
        return;
    for (const _MenuItem* item : allEntries) {
        const Function* function = item->function;
        if (!function || !function->functionType)
            continue;
        const char* name = function->functionType;
        const char* meant = nullptr;
        bool known = false;
        for (const char* candidate : knownFunctions) {
            int distance = editDistance(name, candidate);
            if (distance == 0)
                known = true;
            else if (!meant && distance <= 2)
                meant = candidate;
        }
        if (known || !meant)
            continue;
        report(RULE_SUSPICIOUS_FUNCTION, SourceMap::definitions(registration, function), nullptr,
               std::string("f.") + name + " in entry \"" + orEmpty(item->label) + "\" is no function: f." + meant +
                   " was meant?");
    }
}

// An action that no entry names can never be run (off by default: a host may
// name actions itself).
void Linter::unusedActions()
{
    if (!wants(RULE_UNUSED_ACTION))
        return;
    std::set<const Action*> named;
    for (const _MenuItem* item : allEntries) {
        if (item->actionLink)
            named.insert(item->actionLink);
    }
    for (const Application& app : elements(registration->applications)) {
        for (const Action& each : elements(app.actions)) {
            const Action* action = &each;
            if (!action->locked || named.count(action))
                continue;
            report(RULE_UNUSED_ACTION, SourceMap::definitions(registration, action), "also defined here",
                   std::string("Action \"") + orEmpty(action->actionID) + "\" of application \"" +
                       orEmpty(app.appName) + "\" is named by no entry");
        }
    }
}

int Linter::editDistance(const char* a, const char* b)
{
    size_t n = std::strlen(a);
    size_t m = std::strlen(b);
    std::vector<int> row(m + 1);
    for (size_t j = 0; j <= m; j++)
        row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= n; i++) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= m; j++) {
            int above = row[j];
            bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[m];
}

int lintApplications(const ApplicationRegistration* reg, const char* const* rules, int count)
{
    return guarded(0, [&] {
        ParseLock lock;
        std::vector<std::string> enabled;
        for (int i = 0; i < diagnosticRuleCount(); i++) {
            const DiagnosticRule* rule = diagnosticRule(i);
            bool asked = false;
            for (int j = 0; rules && j < count; j++)
                asked = asked || (rules[j] && std::strcmp(rules[j], rule->name) == 0);
            if (rule->lintOnly && (rules ? asked : rule->enabledByDefault != 0))
                enabled.push_back(rule->name);
        }
        return Linter(reg, enabled).run();
    });
}

} // namespace kivparser
