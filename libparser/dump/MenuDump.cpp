#include "kivparser/application/Menu.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void Menu::debugDump(int showLinks)
{
    ParseLock lock;
    DumpWriter::open("Menu \"%s\" {\n", DumpWriter::str(menuID));
    for (MenuItem* item = menuItems ? static_cast<MenuItem*>(menuItems)->next() : nullptr; item; item = item->next())
        item->debugDump(showLinks);
    DumpWriter::close();
}

} // namespace kivparser
