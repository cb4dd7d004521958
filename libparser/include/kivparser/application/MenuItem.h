#ifndef KIVPARSER_APPLICATION_MENUITEM_H
#define KIVPARSER_APPLICATION_MENUITEM_H

#include <kivparser/export.h>
#include <kivparser/application/_MenuItem.h>

namespace kivparser {

// An entry of a menu bar or a menu. Further entries with the same label and
// an f.action function each hang in `dupMenuItems` (the multi-action entry).
class KIVPARSER_API MenuItem final : public _MenuItem {
public:
    MenuItem();
    MenuItem(int precedence, char* label, int isBitmap, char* mnemonic, char* accelerator, char* contextExpr,
             Function* function);
    ~MenuItem();

    MenuItem* next() { return static_cast<MenuItem*>(_next); }

    // Resolves an f.menu function to a menu of the current application,
    // creating a forward reference for a name not defined yet and refusing a
    // menu that already reaches the menu under definition. 0 when done or
    // reported, 1 after nomemory.
    int linkMenu();

    // Head of `dupMenuItems`, created on first use (null after nomemory).
    MenuItem* refDupMenuItems();

    // The "MenuItem" block of the dump, with or without the linked menu and
    // action.
    void debugDump(int showLinks);

    char* mnemonic;
    char* accelerator;
    MenuItem* dupMenuItems;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::MenuItem;
#endif

#endif
