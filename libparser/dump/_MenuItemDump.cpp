#include "kivparser/application/_MenuItem.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Function.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void _MenuItem::debugDumpBody(int showLinks, void (*dumpMenu)(_Menu* menu, int showLinks))
{
    ParseLock lock;
    DumpWriter::line("ContextExpression : \"%s\"\n", DumpWriter::str(contextExpr));
    Function::debugDumpLine("Function : ", function);
    if (!showLinks)
        return;
    if (menuLink)
        dumpMenu(menuLink, showLinks);
    if (actionLink)
        actionLink->debugDump();
}

} // namespace kivparser
