#include "kivparser/application/MenuItem.h"
#include "dump/EntryDump.h"

namespace kivparser {

void MenuItem::debugDump(int showLinks)
{
    ParseLock lock;
    MenuDump dump{showLinks};
    LinkedDump<MenuDump>::entries(dump, this, true);
}

} // namespace kivparser
