#ifndef KIVPARSER_DUMP_ENTRYDUMP_H
#define KIVPARSER_DUMP_ENTRYDUMP_H

#include "kivparser/application/Action.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuItem.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"
#include "dump/LinkedDump.h"

#include <cstdio>

namespace kivparser {

// Menus and their entries, with or without the links: a linked submenu is
// shown inside the entry that opens it, before the linked action.
struct MenuDump {
    using Item = MenuItem;
    using Container = Menu;
    int showLinks;

    Menu* openItem(MenuItem* item)
    {
        DumpWriter::open("MenuItem <%d> \"%s%s\" _%s [%s] {\n", item->precedence, item->isBitmap == 1 ? "@" : "",
                         DumpWriter::str(item->label), DumpWriter::str(item->mnemonic),
                         DumpWriter::str(item->accelerator));
        DumpWriter::entryBody(item);
        return showLinks ? static_cast<Menu*>(item->menuLink) : nullptr;
    }
    void closeItem(MenuItem* item)
    {
        if (showLinks && item->actionLink)
            item->actionLink->debugDump();
        int number = 0;
        for (MenuItem* dup = item->dupMenuItems ? item->dupMenuItems->next() : nullptr; dup; dup = dup->next()) {
            number++;
            char lead[32];
            snprintf(lead, sizeof lead, "Multi-action(%d) : ", number);
            Function::debugDumpLine(lead, dup->function);
            if (showLinks && dup->actionLink)
                dup->actionLink->debugDump();
        }
        DumpWriter::close();
    }
    void open(Menu* menu) { DumpWriter::open("Menu \"%s\" {\n", DumpWriter::str(menu->menuID)); }
    void close(Menu*) { DumpWriter::close(); }
    MenuItem* first(Menu* menu)
    {
        return menu->menuItems ? static_cast<MenuItem*>(menu->menuItems)->next() : nullptr;
    }
};

// Popup menus where an entry links to them: their entries as "PopupMenuItem"
// blocks, each with its own linked popup menu and action.
struct PopupMenuDump {
    using Item = PopupItem;
    using Container = PopupMenu;
    int showLinks;

    PopupMenu* openItem(PopupItem* item)
    {
        DumpWriter::open("PopupMenuItem <%d> \"%s%s\" {\n", item->precedence, item->isBitmap == 1 ? "@" : "",
                         DumpWriter::str(item->label));
        DumpWriter::entryBody(item);
        return showLinks ? static_cast<PopupMenu*>(item->menuLink) : nullptr;
    }
    void closeItem(PopupItem* item)
    {
        if (showLinks && item->actionLink)
            item->actionLink->debugDump();
        DumpWriter::close();
    }
    void open(PopupMenu* menu) { DumpWriter::open("PopupMenu \"%s\" {\n", DumpWriter::str(menu->menuID)); }
    void close(PopupMenu*) { DumpWriter::close(); }
    PopupItem* first(PopupMenu* menu)
    {
        return menu->menuItems ? static_cast<PopupItem*>(menu->menuItems)->next() : nullptr;
    }
};

} // namespace kivparser

#endif
