#include "kivparser/application/Action.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuItem.h"
#include "dump/DumpWriter.h"
#include "dump/LinkedDump.h"

#include <cstdio>

namespace kivparser {

namespace {

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

} // namespace

void MenuItem::debugDump(int showLinks)
{
    MenuDump dump{showLinks};
    LinkedDump<MenuDump>::entries(dump, this, true);
}

void Menu::debugDump(int showLinks)
{
    MenuDump dump{showLinks};
    dump.open(this);
    LinkedDump<MenuDump>::entries(dump, dump.first(this), false, this);
    dump.close(this);
}

} // namespace kivparser
