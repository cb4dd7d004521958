#include "kivparser/application/Action.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuItem.h"
#include "dump/DumpWriter.h"

#include <cstdio>

namespace kivparser {

void MenuItem::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("MenuItem <%d> \"%s%s\" _%s [%s] {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label), DumpWriter::str(mnemonic), DumpWriter::str(accelerator));
    debugDumpBody(showLinks, [](_Menu* menu, int links) { static_cast<Menu*>(menu)->debugDump(links); });
    int number = 0;
    for (MenuItem* dup = dupMenuItems ? dupMenuItems->next() : nullptr; dup; dup = dup->next()) {
        number++;
        char lead[32];
        snprintf(lead, sizeof lead, "Multi-action(%d) : ", number);
        Function::debugDumpLine(lead, dup->function);
        if (showLinks && dup->actionLink)
            dup->actionLink->debugDump();
    }
    DumpWriter::close();
}

} // namespace kivparser
