#ifndef KIVPARSER_APPLICATION_MENU_H
#define KIVPARSER_APPLICATION_MENU_H

#include <kivparser/export.h>
#include <kivparser/application/_Menu.h>
#include <kivparser/application/MenuItem.h>

namespace kivparser {

// A cascade (submenu) of one application. As the head of an application's
// `menus` it holds the menus newest first (PSLfifo).
class KIVPARSER_API Menu final : public _Menu {
public:
    Menu();
    explicit Menu(char* menuID);
    ~Menu();

    Menu* next() { return static_cast<Menu*>(_next); }

    MenuItem* refMenuItems() override;

    // The "Menu" block of the dump, its entries with or without links.
    void debugDump(int showLinks);
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Menu;
#endif

#endif
