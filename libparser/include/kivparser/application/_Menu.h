#ifndef KIVPARSER_APPLICATION__MENU_H
#define KIVPARSER_APPLICATION__MENU_H

#include <kivparser/export.h>
#include <kivparser/lists/PSList.h>

namespace kivparser {

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
class KIVPARSER_API _Menu : public PSList {
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

    // The entry list as the derived class's entry type `Item` (MenuItem,
    // PopupItem or ListItem): its head created on first use, replaced under
    // the locked rule, destroyed.
    template <class Item>
    Item* refItemsAs();
    template <class Item>
    void setItemsAs(Item* items);
    template <class Item>
    void disposeItemsAs();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::_Menu;
#endif

#endif
