#include "application/Action.h"
#include "application/Function.h"
#include "application/PopupItem.h"
#include "application/PopupMenu.h"
#include "dump/DumpWriter.h"

namespace {

// The lines every popup entry prints: context, function, and the links when
// they are shown.
void dumpPopupBody(PopupItem* item, int showLinks)
{
    DumpWriter::line("ContextExpression : \"%s\"\n", DumpWriter::str(item->contextExpr));
    Function::debugDumpLine("Function : ", item->function);
    if (!showLinks)
        return;
    if (item->menuLink)
        static_cast<PopupMenu*>(item->menuLink)->debugDumpLinked(showLinks);
    if (item->actionLink)
        item->actionLink->debugDump();
}

} // namespace

void PopupItem::debugDump(int showLinks)
{
    DumpWriter::open("PopupItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "", DumpWriter::str(label));
    dumpPopupBody(this, showLinks);
    DumpWriter::line("TargetSymbolType : \"%s\"\n", DumpWriter::str(targetSymbolType));
    DumpWriter::close();
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    DumpWriter::open("PopupMenuItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    dumpPopupBody(this, showLinks);
    DumpWriter::close();
}
