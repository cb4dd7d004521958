#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"

namespace kivparser {

namespace {

PopupItem* firstItem(PopupMenu* menu)
{
    return menu->menuItems ? static_cast<PopupItem*>(menu->menuItems)->next() : nullptr;
}

} // namespace

void PopupMenu::debugDump()
{
    ParseLock lock;
    DumpWriter::open("PopupMenu \"%s\" {\n", DumpWriter::str(menuID));
    for (PopupItem* item = firstItem(this); item; item = item->next())
        item->debugDump(0);
    DumpWriter::close();
}

void PopupMenu::debugDumpLinked(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("PopupMenu \"%s\" {\n", DumpWriter::str(menuID));
    for (PopupItem* item = firstItem(this); item; item = item->next())
        item->debugDumpInPopupMenu(showLinks);
    DumpWriter::close();
}

} // namespace kivparser
