#include "application/_Menu.h"
#include "application/MenuItem.h"
#include "application/PopupItem.h"

#include <cstdlib>
#include <unordered_set>
#include <vector>

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
