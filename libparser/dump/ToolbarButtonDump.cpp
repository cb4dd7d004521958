#include "kivparser/application/Action.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/ToolbarButton.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void ToolbarButton::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("ToolbarButton <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    DumpWriter::entryBody(this);
    if (showLinks && menuLink)
        static_cast<Menu*>(menuLink)->debugDump(showLinks);
    if (showLinks && actionLink)
        actionLink->debugDump();
    DumpWriter::close();
}

} // namespace kivparser
