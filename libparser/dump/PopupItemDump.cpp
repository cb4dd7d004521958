#include "kivparser/application/Action.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"

namespace kivparser {

namespace {

void dumpPopupMenu(_Menu* menu, int showLinks)
{
    static_cast<PopupMenu*>(menu)->debugDumpLinked(showLinks);
}

} // namespace

void PopupItem::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("PopupItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "", DumpWriter::str(label));
    debugDumpBody(showLinks, dumpPopupMenu);
    DumpWriter::line("TargetSymbolType : \"%s\"\n", DumpWriter::str(targetSymbolType));
    DumpWriter::close();
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("PopupMenuItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    debugDumpBody(showLinks, dumpPopupMenu);
    DumpWriter::close();
}

} // namespace kivparser
