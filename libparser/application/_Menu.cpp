#include "kivparser/application/_Menu.h"
#include "kivparser/application/MenuItem.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/ListItem.h"
#include "lists/OpenTable.h"
#include "lists/SListOps.h"
#include "lists/WorkStack.h"

#include <algorithm>
#include <cstdlib>

namespace kivparser {

_Menu::_Menu() : PSList(PSLpriority, -1, 50), menuID(nullptr), menuItems(nullptr), locked(0)
{
}

_Menu::_Menu(char* theMenuID) : PSList(PSLpriority, -1, 50), menuID(theMenuID), menuItems(nullptr), locked(0)
{
}

_Menu::~_Menu()
{
    free(menuID);
}

template <class Item>
Item* _Menu::refItemsAs()
{
    Item* held = static_cast<Item*>(menuItems);
    SListOps::refHead(held);
    menuItems = held;
    return held;
}

template <class Item>
void _Menu::setItemsAs(Item* items)
{
    Item* held = static_cast<Item*>(menuItems);
    SListOps::setList(locked, held, items);
    menuItems = held;
}

template <class Item>
void _Menu::disposeItemsAs()
{
    SListOps::disposeList(static_cast<Item*>(menuItems));
    menuItems = nullptr;
}

template MenuItem* _Menu::refItemsAs<MenuItem>();
template PopupItem* _Menu::refItemsAs<PopupItem>();
template ListItem* _Menu::refItemsAs<ListItem>();
template void _Menu::disposeItemsAs<MenuItem>();
template void _Menu::disposeItemsAs<PopupItem>();
template void _Menu::disposeItemsAs<ListItem>();

void _Menu::setMenuItems(PopupItem* items)
{
    setItemsAs(items);
}

void _Menu::setMenuItems(MenuItem* items)
{
    setItemsAs(items);
}

bool _Menu::cycledetect(_Menu* from, _Menu* target)
{
    if (!from || !target)
        return false;
    // Depth first over the links; a menu reached twice (menus may share
    // submenus) is walked once, so the test stays linear. Without memory for
    // the walk the link counts as cyclic, which refuses it.
    PointerTable<char> seen;
    WorkStack<_Menu*> pending;
    if (!pending.push(from))
        return true;
    while (!pending.empty()) {
        _Menu* menu = pending.top();
        pending.pop();
        if (menu == target)
            return true;
        bool added = false;
        if (!seen.findOrAdd(menu, &added))
            return true;
        if (!added)
            continue;
        // Pushed in reverse so that the first entry is walked first.
        size_t mark = pending.size();
        for (_MenuItem* item = menu->menuItems; item; item = item->next()) {
            if (item->menuLink && !pending.push(item->menuLink))
                return true;
        }
        std::reverse(pending.begin() + mark, pending.end());
    }
    return false;
}

} // namespace kivparser
