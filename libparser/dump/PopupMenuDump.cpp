#include "kivparser/application/Action.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"
#include "dump/LinkedDump.h"

namespace kivparser {

namespace {

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

} // namespace

void PopupMenu::debugDump()
{
    DumpWriter::open("PopupMenu \"%s\" {\n", DumpWriter::str(menuID));
    PopupMenuDump dump{0};
    for (PopupItem* item = dump.first(this); item; item = item->next())
        item->debugDump(0);
    DumpWriter::close();
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    PopupMenuDump dump{showLinks};
    LinkedDump<PopupMenuDump>::entries(dump, this, true);
}

void PopupMenu::debugDumpLinked(int showLinks)
{
    PopupMenuDump dump{showLinks};
    dump.open(this);
    LinkedDump<PopupMenuDump>::entries(dump, dump.first(this), false, this);
    dump.close(this);
}

} // namespace kivparser
