#include "application/Action.h"
#include "application/Function.h"
#include "application/PopupItem.h"
#include "application/PopupMenu.h"
#include "dump/DumpWriter.h"

namespace {

void dumpPopupMenu(_Menu* menu, int showLinks)
{
    static_cast<PopupMenu*>(menu)->debugDumpLinked(showLinks);
}

} // namespace

void PopupItem::debugDump(int showLinks)
{
    DumpWriter::open("PopupItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "", DumpWriter::str(label));
    debugDumpBody(showLinks, dumpPopupMenu);
    DumpWriter::line("TargetSymbolType : \"%s\"\n", DumpWriter::str(targetSymbolType));
    DumpWriter::close();
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    DumpWriter::open("PopupMenuItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    debugDumpBody(showLinks, dumpPopupMenu);
    DumpWriter::close();
}
