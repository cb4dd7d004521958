#include "kivparser/application/Menu.h"
#include "application/MenuTrace.h"

namespace kivparser {

Menu::Menu() : Menu(nullptr)
{
}

Menu::Menu(char* theMenuID) : _Menu(theMenuID)
{
    order = PSLfifo;
    menuTrace(menuTraceVerbose, "Menu::Menu(%s)\n", menuID);
}

Menu::~Menu()
{
    menuTrace(menuTraceVerbose, "Menu::~Menu(%s)\n", menuID);
    disposeItemsAs<MenuItem>();
}

MenuItem* Menu::refMenuItems()
{
    return refItemsAs<MenuItem>();
}

} // namespace kivparser
