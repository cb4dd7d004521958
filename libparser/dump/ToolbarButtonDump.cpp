#include "kivparser/application/Menu.h"
#include "kivparser/application/ToolbarButton.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void ToolbarButton::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("ToolbarButton <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    debugDumpBody(showLinks, [](_Menu* menu, int links) { static_cast<Menu*>(menu)->debugDump(links); });
    DumpWriter::close();
}

} // namespace kivparser
