#include "kivparser/application/_MenuItem.h"
#include "kivparser/application/Action.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void _MenuItem::debugDumpBody(int showLinks, void (*dumpMenu)(_Menu* menu, int showLinks))
{
    ParseLock lock;
    DumpWriter::entryBody(this);
    if (!showLinks)
        return;
    if (menuLink)
        dumpMenu(menuLink, showLinks);
    if (actionLink)
        actionLink->debugDump();
}

} // namespace kivparser
