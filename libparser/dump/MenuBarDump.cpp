#include "kivparser/application/MenuBar.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void MenuBar::debugDump()
{
    ParseLock lock;
    DumpWriter::open("MenuBar <%d> \"%s\" _%s {\n", precedence, DumpWriter::str(menuID), DumpWriter::str(mnemonic));
    for (MenuItem* item = menuItems ? static_cast<MenuItem*>(menuItems)->next() : nullptr; item; item = item->next())
        item->debugDump(1);
    DumpWriter::close();
}

} // namespace kivparser
