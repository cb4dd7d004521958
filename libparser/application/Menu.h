#ifndef KIVPARSER_APPLICATION_MENU_H
#define KIVPARSER_APPLICATION_MENU_H

#include "application/_Menu.h"
#include "application/MenuItem.h"

// A cascade (submenu) of one application. As the head of an application's
// `menus` it holds the menus newest first (PSLfifo).
class Menu final : public _Menu {
public:
    Menu();
    explicit Menu(char* menuID);
    ~Menu();

    Menu* next() { return static_cast<Menu*>(_next); }

    MenuItem* refMenuItems() override;

    // The "Menu" block of the dump, its entries with or without links.
    void debugDump(int showLinks);
};

#endif
