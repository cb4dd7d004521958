#ifndef KIVPARSER_APPLICATION_POPUPMENU_H
#define KIVPARSER_APPLICATION_POPUPMENU_H

#include <kivparser/export.h>
#include <kivparser/application/_Menu.h>
#include <kivparser/application/PopupItem.h>

namespace kivparser {

// A context menu of one application. The first completed block wins whole;
// as the head of an application's `popupMenus` it holds them newest first.
class KIVPARSER_API PopupMenu final : public _Menu {
public:
    PopupMenu();
    explicit PopupMenu(char* menuID);
    ~PopupMenu();

    PopupMenu* next() { return static_cast<PopupMenu*>(_next); }

    PopupItem* refMenuItems() override;

    // The block printed under an application: "PopupMenu" with its entries
    // as popup items, without links.
    void debugDump();
    // The block printed where an entry links to it: "PopupMenu" with its
    // entries as "PopupMenuItem" blocks.
    void debugDumpLinked(int showLinks);
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::PopupMenu;
#endif

#endif
