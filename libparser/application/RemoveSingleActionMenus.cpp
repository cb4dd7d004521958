// Folding of single-action cascades: a submenu reached from a menu bar that,
// all nested levels counted, leads to exactly one action is folded into the
// entry that opens it. The entry's label then shows the path ("Export:As
// Text") and the entry runs the action directly.
//
// Shared submenus: one submenu may be opened by several entries (f.menu with
// the same name in several places of one application). When such a submenu is
// folded and destroyed, every other entry that opened it is folded the same
// way: it runs the submenu's single action, loses its link, and (when both it
// and the action entry have a label) its label gets ":" and the action entry's
// label appended. Wherever such an entry sits (menu bars or any application's
// menus, reached from a bar or not), it keeps the meaning it had: it leads to
// that one action. No entry is left linked to a destroyed menu.
//
// Cycles are refused while parsing; should the links form one all the same,
// a link back into a menu that is being counted counts no action and is not
// followed, so the walk always ends.
//
// However long a chain of cascades is, the fold takes time in proportion to
// the menus and the labels: the counting walk keeps its menus on a stack of
// its own, the entries that open each menu are found once, a joined label is
// written out once at the end (a chain of single-action cascades would
// otherwise copy its growing label at every level), and the folded submenus
// leave their lists together at the end, one pass over each list.

#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/MenuItem.h"
#include "lists/OpenTable.h"
#include "lists/SListIndex.h"
#include "lists/WorkStack.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace kivparser {

namespace {

MenuItem* firstEntry(_Menu* menu)
{
    return menu && menu->menuItems ? static_cast<MenuItem*>(menu->menuItems)->next() : nullptr;
}

class Fold {
public:
    explicit Fold(ApplicationRegistration* reg) : registration(reg) {}
    ~Fold() { finish(); }
    Fold(const Fold&) = delete;
    Fold& operator=(const Fold&) = delete;

    int countActions(_Menu* link);
    void foldCascade(MenuItem* entry);

private:
    bool foldEntry(MenuItem* entry, MenuItem* single, bool needLabels);
    void foldOtherEntries(_Menu* gone, MenuItem* single);
    // Fills the groups; false when memory ran out.
    bool findOpeners();
    void finish();
    void writeLabels();
    char* labelOf(MenuItem* entry);
    void removeFolded();

    ApplicationRegistration* registration;

    // The menus being counted.
    PointerTable<char> openSet;

    // The entries that open each menu (of the menu bars and of every
    // application's menus, their multi-action entries too): `openerLists`
    // grouped by menu, `firstOpener` gives a menu's group (number + 1).
    struct Opener {
        _Menu* menu;
        MenuItem* entry;
    };
    WorkStack<Opener> openerLists;
    PointerTable<size_t> firstOpener;
    bool openersFound = false;

    // A folded entry's label is its own, ":" and the label of the entry it
    // took the action from (joined the same way when that one was folded).
    PointerTable<MenuItem*> joinedWith;
    WorkStack<MenuItem*> joinedLabels;

    // Submenus folded away, with the action entry that stays in each until
    // the end.
    PointerTable<char> goneSet;
    WorkStack<Menu*> goneMenus;
    PointerTable<char> goneEntries;
};

// Number of actions that `link` leads to, all nested levels counted; folds
// every nested single-action cascade on the way (bottom-up). Entries link
// submenus only; anything else they might hold counts no action.
int Fold::countActions(_Menu* link)
{
    struct Level {
        Menu* menu;
        MenuItem* entry; // the entry at work
        int count;
    };
    Menu* top = dynamic_cast<Menu*>(link);
    if (!top || !top->menuItems)
        return 0;
    WorkStack<Level> levels;
    if (!levels.push({top, firstEntry(top), 0}))
        return 0;
    openSet.findOrAdd(top);
    for (;;) {
        Level& level = levels.top();
        MenuItem* entry = level.entry;
        if (!entry) {
            int count = level.count;
            openSet.erase(level.menu);
            levels.pop();
            if (levels.empty())
                return count;
            Level& outer = levels.top();
            if (count == 1)
                foldCascade(outer.entry);
            outer.count += count;
            outer.entry = outer.entry->next();
            continue;
        }
        if (entry->menuLink) {
            Menu* submenu = dynamic_cast<Menu*>(entry->menuLink);
            if (!openSet.find(entry->menuLink) && submenu && submenu->menuItems &&
                levels.push({submenu, firstEntry(submenu), 0})) {
                openSet.findOrAdd(submenu);
                continue;
            }
        } else if (entry->actionLink) {
            // Further actions of a multi-action entry do not count.
            level.count++;
        }
        level.entry = entry->next();
    }
}

// Folds the cascade that `entry` opens into the entry, when that submenu has
// exactly one entry, which runs an action, and both entries have a label.
void Fold::foldCascade(MenuItem* entry)
{
    Menu* submenu = dynamic_cast<Menu*>(entry->menuLink);
    MenuItem* single = firstEntry(submenu);
    if (!single || single->next() || !single->actionLink)
        return;
    // The submenu leaves its list at the end, with its single entry, whose
    // label the folded entries read until then. Without memory to remember
    // it the cascade stays as it is.
    if (!goneSet.findOrAdd(submenu) || !goneMenus.push(submenu)) {
        goneSet.erase(submenu);
        return;
    }
    if (!foldEntry(entry, single, true)) {
        goneMenus.pop();
        goneSet.erase(submenu);
        return;
    }
    foldOtherEntries(submenu, single);
    goneEntries.findOrAdd(single);
}

// Makes `entry` run the action of `single` (the only entry of the submenu it
// opened) instead of opening the submenu. With `needLabels` the fold happens
// only when both labels exist; otherwise a missing label leaves the entry's
// own label as it is.
bool Fold::foldEntry(MenuItem* entry, MenuItem* single, bool needLabels)
{
    if (entry->label && single->label) {
        MenuItem** with = joinedWith.findOrAdd(entry);
        if (with && joinedLabels.push(entry)) {
            *with = single;
        } else {
            // No memory to put it off: joined at once.
            char* joined = labelOf(single);
            char* label = joined ? static_cast<char*>(malloc(strlen(entry->label) + 1 + strlen(joined) + 1))
                                 : nullptr;
            if (label) {
                strcpy(label, entry->label);
                strcat(label, ":");
                strcat(label, joined);
                free(entry->label);
                entry->label = label;
            }
            free(joined);
            if (with)
                joinedWith.erase(entry);
            if (!label && needLabels)
                return false;
        }
    } else if (needLabels) {
        return false;
    }
    entry->menuLink = nullptr;
    entry->actionLink = single->actionLink;
    return true;
}

// Every other entry of the menu bars and the applications' menus (and of
// their multi-action entries) that still opens `gone`.
void Fold::foldOtherEntries(_Menu* gone, MenuItem* single)
{
    if (!openersFound && !findOpeners()) {
        // No memory for the groups: every entry is looked at.
        auto foldEntries = [this, gone, single](_Menu* menu) {
            for (MenuItem* entry = firstEntry(menu); entry; entry = entry->next()) {
                if (entry->menuLink == gone)
                    foldEntry(entry, single, false);
                for (MenuItem* dup = entry->dupMenuItems ? entry->dupMenuItems->next() : nullptr; dup;
                     dup = dup->next())
                    if (dup->menuLink == gone)
                        foldEntry(dup, single, false);
            }
        };
        for (MenuBar* bar = registration->menuBars; bar; bar = bar->next())
            foldEntries(bar);
        for (Application* app = registration->applications; app; app = app->next())
            for (Menu* menu = app->menus; menu; menu = menu->next())
                foldEntries(menu);
        return;
    }
    size_t* first = firstOpener.find(gone);
    if (!first)
        return;
    for (size_t at = *first - 1; at < openerLists.size() && openerLists[at].menu == gone; ++at) {
        MenuItem* entry = openerLists[at].entry;
        if (entry->menuLink == gone)
            foldEntry(entry, single, false);
    }
}

bool Fold::findOpeners()
{
    openersFound = true;
    auto add = [this](MenuItem* entry) { return !entry->menuLink || openerLists.push({entry->menuLink, entry}); };
    auto addEntries = [&add](_Menu* menu) {
        for (MenuItem* entry = firstEntry(menu); entry; entry = entry->next()) {
            if (!add(entry))
                return false;
            for (MenuItem* dup = entry->dupMenuItems ? entry->dupMenuItems->next() : nullptr; dup; dup = dup->next())
                if (!add(dup))
                    return false;
        }
        return true;
    };
    for (MenuBar* bar = registration->menuBars; bar; bar = bar->next())
        if (!addEntries(bar))
            return false;
    for (Application* app = registration->applications; app; app = app->next())
        for (Menu* menu = app->menus; menu; menu = menu->next())
            if (!addEntries(menu))
                return false;
    std::sort(openerLists.begin(), openerLists.end(),
              [](const Opener& a, const Opener& b) { return std::less<_Menu*>()(a.menu, b.menu); });
    for (size_t at = 0; at < openerLists.size(); ++at) {
        if (at > 0 && openerLists[at].menu == openerLists[at - 1].menu)
            continue;
        size_t* first = firstOpener.findOrAdd(openerLists[at].menu);
        if (!first)
            return false;
        *first = at + 1;
    }
    return true;
}

void Fold::finish()
{
    writeLabels();
    removeFolded();
}

// The joined label of `entry` as a new string, or its own label copied.
char* Fold::labelOf(MenuItem* entry)
{
    // The labels of the entry and of those it was joined with, in turn.
    auto each = [this, entry](auto take) {
        MenuItem* e = entry;
        for (size_t n = 0; e && n <= joinedLabels.size(); ++n) {
            MenuItem** with = joinedWith.find(e);
            take(e->label, with != nullptr);
            e = with ? *with : nullptr;
        }
    };
    size_t length = 0;
    each([&length](const char* label, bool more) { length += strlen(label) + (more ? 1 : 0); });
    char* joined = static_cast<char*>(malloc(length + 1));
    if (!joined)
        return nullptr;
    char* out = joined;
    each([&out](const char* label, bool more) {
        size_t n = strlen(label);
        memcpy(out, label, n);
        out += n;
        if (more)
            *out++ = ':';
    });
    *out = '\0';
    return joined;
}

// The joined labels of the folded entries that stay; all are written out
// before any is stored, since they read each other's labels.
void Fold::writeLabels()
{
    WorkStack<char*> labels;
    for (size_t i = 0; i < joinedLabels.size(); ++i) {
        MenuItem* entry = joinedLabels[i];
        char* label = goneEntries.find(entry) ? nullptr : labelOf(entry);
        if (!labels.push(label)) {
            free(label);
            break;
        }
    }
    for (size_t i = 0; i < labels.size(); ++i) {
        if (!labels[i])
            continue;
        MenuItem* entry = joinedLabels[i];
        free(entry->label);
        entry->label = labels[i];
        SListIndex::renamed(entry);
    }
}

// The folded submenus leave their lists (each list walked once, as if each
// had been taken out with remove() in turn) and are destroyed.
void Fold::removeFolded()
{
    PointerTable<char> walked;
    for (size_t i = 0; i < goneMenus.size(); ++i) {
        SList* head = goneMenus[i]->_base;
        if (head == goneMenus[i] || walked.find(head))
            continue;
        walked.findOrAdd(head);
        bool lastTaken = false;
        SList* previous = head;
        for (SList* at = head->_next; at;) {
            SList* following = at->_next;
            lastTaken = at->_base == head && goneSet.find(at);
            if (lastTaken) {
                previous->_next = following;
                at->_next = nullptr;
            } else {
                previous = at;
            }
            at = following;
        }
        // Taking out the last element makes the one before it the tail.
        if (lastTaken)
            head->_tail = previous;
        head->_base = head;
    }
    for (size_t i = 0; i < goneMenus.size(); ++i)
        delete goneMenus[i];
}

} // namespace

void ApplicationRegistration::removeSingleActionMenus()
{
    Fold fold(this);
    for (MenuBar* bar = menuBars; bar; bar = bar->next()) {
        for (MenuItem* entry = firstEntry(bar); entry; entry = entry->next()) {
            if (entry->menuLink && fold.countActions(entry->menuLink) == 1)
                fold.foldCascade(entry);
        }
    }
}

} // namespace kivparser
