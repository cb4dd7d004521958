#ifndef KIVPARSER_APPLICATION_POPUPITEM_H
#define KIVPARSER_APPLICATION_POPUPITEM_H

#include <kivparser/export.h>
#include <kivparser/application/_MenuItem.h>

namespace kivparser {

// An application-level popup item or an entry of a popup menu.
class KIVPARSER_API PopupItem final : public _MenuItem {
public:
    PopupItem();
    PopupItem(int precedence, char* label, int isBitmap, char* contextExpr, char* targetSymbolType,
              Function* function);
    ~PopupItem();

    PopupItem* next() { return static_cast<PopupItem*>(_next); }

    // Resolves an f.menu function to a popup menu of the current application
    // (forward references, cycle refusal and results as MenuItem::linkMenu).
    int linkPopupMenu();

    // The "PopupItem" block of the dump.
    void debugDump(int showLinks);
    // The "PopupMenuItem" block printed inside a linked popup menu.
    void debugDumpInPopupMenu(int showLinks);

    char* targetSymbolType;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::PopupItem;
#endif

#endif
