#ifndef KIVPARSER_APPLICATION_MENUBAR_H
#define KIVPARSER_APPLICATION_MENUBAR_H

#include <kivparser/export.h>
#include <kivparser/application/_Menu.h>
#include <kivparser/application/MenuItem.h>

namespace kivparser {

// A top-level menu of the map window, shared by every application of the
// registration. The first precedence and the first mnemonic given win.
class KIVPARSER_API MenuBar final : public _Menu {
public:
    MenuBar();
    explicit MenuBar(char* menuID);
    ~MenuBar();

    MenuBar* next() { return static_cast<MenuBar*>(_next); }

    MenuItem* refMenuItems() override;

    // -1 does nothing; the first value given is kept, a different later one
    // is warned about.
    void setPrecedence(int p);
    // Takes `m` over; the first mnemonic is kept, a different later one is
    // warned about.
    void setMnemonic(char* m);

    // The "MenuBar" block of the dump, entries with their links.
    void debugDump();

    char* mnemonic;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::MenuBar;
#endif

#endif
