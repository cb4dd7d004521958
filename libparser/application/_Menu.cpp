#include "kivparser/application/_Menu.h"
#include "kivparser/application/MenuItem.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/ListItem.h"
#include "lists/SListOps.h"

#include <cstdlib>
#include <unordered_set>
#include <vector>

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
    // submenus) is walked once, so the test stays linear.
    std::unordered_set<_Menu*> seen;
    std::vector<_Menu*> pending{from};
    while (!pending.empty()) {
        _Menu* menu = pending.back();
        pending.pop_back();
        if (menu == target)
            return true;
        if (!seen.insert(menu).second)
            continue;
        std::vector<_Menu*> links;
        for (_MenuItem* item = menu->menuItems; item; item = item->next()) {
            if (item->menuLink)
                links.push_back(item->menuLink);
        }
        // Pushed in reverse so that the first entry is walked first.
        pending.insert(pending.end(), links.rbegin(), links.rend());
    }
    return false;
}

} // namespace kivparser
