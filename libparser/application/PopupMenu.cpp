#include "kivparser/application/PopupMenu.h"
#include "application/MenuTrace.h"

namespace kivparser {

PopupMenu::PopupMenu() : PopupMenu(nullptr)
{
}

PopupMenu::PopupMenu(char* theMenuID) : _Menu(theMenuID)
{
    order = PSLfifo;
    menuTrace(menuTraceVerbose, "PopupMenu::PopupMenu(%s)\n", menuID);
}

PopupMenu::~PopupMenu()
{
    menuTrace(menuTraceVerbose, "PopupMenu::~PopupMenu(%s)\n", menuID);
    disposeItemsAs<PopupItem>();
}

PopupItem* PopupMenu::refMenuItems()
{
    return refItemsAs<PopupItem>();
}

} // namespace kivparser
