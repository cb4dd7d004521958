#include "kivparser/application/Menu.h"
#include "dump/EntryDump.h"

namespace kivparser {

void Menu::debugDump(int showLinks)
{
    ParseLock lock;
    MenuDump dump{showLinks};
    dump.open(this);
    LinkedDump<MenuDump>::entries(dump, dump.first(this), false, this);
    dump.close(this);
}

} // namespace kivparser
