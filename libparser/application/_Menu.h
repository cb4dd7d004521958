#ifndef KIVPARSER_APPLICATION__MENU_H
#define KIVPARSER_APPLICATION__MENU_H

#include "lists/PSList.h"
#include "lists/SListOps.h"

class _MenuItem;
class MenuItem;
class PopupItem;

// Common base of menus, popup menus, menu bars and lists: a name, a sorted
// list of entries and the count of completed blocks. Built with order
// PSLpriority, precedence -1 (not given) and default precedence 50; Menu,
// PopupMenu and lists switch their order to PSLfifo, because their heads hold
// an application's (or the registration's) elements newest first.
//
// The entries are destroyed by the derived class, which knows their concrete
// type; the entry list's head is a default element of that type.
class _Menu : public PSList {
public:
    _Menu();
    explicit _Menu(char* menuID);

    _Menu* next() { return static_cast<_Menu*>(_next); }

    // Head of `menuItems`, created on first use (null after nomemory).
    // Derived classes return their own entry type.
    virtual _MenuItem* refMenuItems() = 0;

    // Replace the whole entry list; a locked menu destroys the given list
    // instead. The form must match the derived class's entry type.
    void setMenuItems(PopupItem* items);
    void setMenuItems(MenuItem* items);

    // True when `from` reaches `target` through the menuLink of its entries
    // (depth first), or is `target` itself; false when either is null. Serves
    // menus, popup menus and lists alike.
    static bool cycledetect(_Menu* from, _Menu* target);

    char* menuID;
    _MenuItem* menuItems;
    int locked;

protected:
    ~_Menu();

    template <class Item>
    Item* refItemsAs()
    {
        Item* held = static_cast<Item*>(menuItems);
        SListOps::refHead(held);
        menuItems = held;
        return held;
    }

    template <class Item>
    void setItemsAs(Item* items)
    {
        Item* held = static_cast<Item*>(menuItems);
        SListOps::setList(locked, held, items);
        menuItems = held;
    }

    template <class Item>
    void disposeItemsAs()
    {
        SListOps::disposeList(static_cast<Item*>(menuItems));
        menuItems = nullptr;
    }
};

#endif
