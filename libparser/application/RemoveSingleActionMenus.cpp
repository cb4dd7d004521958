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

#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "language/ParseLock.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/MenuItem.h"
#include "language/GrammarActions.h"
#include "lists/SListIndex.h"

#include <cstdlib>

namespace kivparser {

namespace {

// The menus being counted, innermost first, as a chain through the frames of
// the counting walk.
struct OpenMenu {
    _Menu* menu;
    const OpenMenu* outer;
};

bool isOpen(const OpenMenu* open, _Menu* menu)
{
    for (; open; open = open->outer) {
        if (open->menu == menu)
            return true;
    }
    return false;
}

MenuItem* firstEntry(_Menu* menu)
{
    return menu && menu->menuItems ? static_cast<MenuItem*>(menu->menuItems->next()) : nullptr;
}

// Makes `entry` run the action of `single` (the only entry of the submenu it
// opened) instead of opening the submenu. With `needLabels` the fold happens
// only when both labels exist and can be joined; otherwise a missing label
// leaves the entry's own label as it is.
bool foldEntry(MenuItem* entry, MenuItem* single, bool needLabels)
{
    if (entry->label && single->label) {
        char* joined = _strcpy3(entry->label, ":", single->label);
        if (joined) {
            free(entry->label);
            entry->label = joined;
            SListIndex::renamed(entry);
        } else if (needLabels) {
            return false;
        }
    } else if (needLabels) {
        return false;
    }
    entry->menuLink = nullptr;
    entry->actionLink = single->actionLink;
    return true;
}

// Every other entry of a menu list (and of its multi-action entries) that
// still opens `gone`.
void foldEntriesOf(_Menu* menu, _Menu* gone, MenuItem* single)
{
    for (MenuItem* entry = firstEntry(menu); entry; entry = entry->next()) {
        if (entry->menuLink == gone)
            foldEntry(entry, single, false);
        for (MenuItem* dup = entry->dupMenuItems ? entry->dupMenuItems->next() : nullptr; dup; dup = dup->next()) {
            if (dup->menuLink == gone)
                foldEntry(dup, single, false);
        }
    }
}

void foldOtherEntries(ApplicationRegistration* reg, _Menu* gone, MenuItem* single)
{
    for (MenuBar* bar = reg->menuBars; bar; bar = bar->next())
        foldEntriesOf(bar, gone, single);
    for (Application* app = reg->applications; app; app = app->next()) {
        for (Menu* menu = app->menus; menu; menu = menu->next())
            foldEntriesOf(menu, gone, single);
    }
}

} // namespace

// Folds the cascade that `entry` opens into the entry, when that submenu has
// exactly one entry, which runs an action, and both entries have a label.
static void removeSingleActionMenu(ApplicationRegistration* reg, MenuItem* entry)
{
    Menu* submenu = dynamic_cast<Menu*>(entry->menuLink);
    MenuItem* single = firstEntry(submenu);
    if (!single || single->next() || !single->actionLink)
        return;
    if (!foldEntry(entry, single, true))
        return;
    foldOtherEntries(reg, submenu, single);
    submenu->remove();
    delete submenu;
}

// Number of actions that `menu` leads to, all nested levels counted; folds
// every nested single-action cascade on the way (bottom-up). Entries link
// submenus only; anything else they might hold counts no action.
static int _numOfActions(ApplicationRegistration* reg, _Menu* link, const OpenMenu* outer)
{
    Menu* menu = dynamic_cast<Menu*>(link);
    if (!menu || !menu->menuItems)
        return 0;
    const OpenMenu open = {menu, outer};
    int count = 0;
    for (MenuItem* entry = firstEntry(menu); entry; entry = entry->next()) {
        if (entry->menuLink) {
            if (isOpen(&open, entry->menuLink))
                continue;
            int n = _numOfActions(reg, entry->menuLink, &open);
            if (n == 1)
                removeSingleActionMenu(reg, entry);
            count += n;
        } else if (entry->actionLink) {
            // Further actions of a multi-action entry do not count.
            count++;
        }
    }
    return count;
}

void ApplicationRegistration::removeSingleActionMenus()
{
    ParseLock lock; // the list index is process-wide
    for (MenuBar* bar = menuBars; bar; bar = bar->next()) {
        for (MenuItem* entry = firstEntry(bar); entry; entry = entry->next()) {
            if (entry->menuLink && _numOfActions(this, entry->menuLink, nullptr) == 1)
                removeSingleActionMenu(this, entry);
        }
    }
}

} // namespace kivparser
