#include "kivparser/application/Action.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"
#include "dump/EntryDump.h"

namespace kivparser {

void PopupItem::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("PopupItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "", DumpWriter::str(label));
    DumpWriter::entryBody(this);
    if (showLinks && menuLink)
        static_cast<PopupMenu*>(menuLink)->debugDumpLinked(showLinks);
    if (showLinks && actionLink)
        actionLink->debugDump();
    DumpWriter::line("TargetSymbolType : \"%s\"\n", DumpWriter::str(targetSymbolType));
    DumpWriter::close();
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    ParseLock lock;
    PopupMenuDump dump{showLinks};
    LinkedDump<PopupMenuDump>::entries(dump, this, true);
}

} // namespace kivparser
