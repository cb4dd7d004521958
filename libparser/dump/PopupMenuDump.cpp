#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"
#include "dump/EntryDump.h"

namespace kivparser {

void PopupMenu::debugDump()
{
    ParseLock lock;
    DumpWriter::open("PopupMenu \"%s\" {\n", DumpWriter::str(menuID));
    PopupMenuDump dump{0};
    for (PopupItem* item = dump.first(this); item; item = item->next())
        item->debugDump(0);
    DumpWriter::close();
}

void PopupMenu::debugDumpLinked(int showLinks)
{
    ParseLock lock;
    PopupMenuDump dump{showLinks};
    dump.open(this);
    LinkedDump<PopupMenuDump>::entries(dump, dump.first(this), false, this);
    dump.close(this);
}

} // namespace kivparser
