#include "kivparser/application/MenuItem.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Menu.h"
#include "application/MenuTrace.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"

#include <cstdlib>
#include <new>

namespace kivparser {

MenuItem::MenuItem() : _MenuItem(), mnemonic(nullptr), accelerator(nullptr), dupMenuItems(nullptr)
{
    menuTrace(menuItemTraceVerbose, "MenuItem::MenuItem(%s)\n", label);
}

MenuItem::MenuItem(int thePrecedence, char* theLabel, int theIsBitmap, char* theMnemonic, char* theAccelerator,
                   char* theContextExpr, Function* theFunction)
    : _MenuItem(thePrecedence, theLabel, theIsBitmap, theContextExpr, theFunction), mnemonic(theMnemonic),
      accelerator(theAccelerator), dupMenuItems(nullptr)
{
    menuTrace(menuItemTraceVerbose, "MenuItem::MenuItem(%s)\n", label);
}

MenuItem::~MenuItem()
{
    menuTrace(menuItemTraceVerbose, "MenuItem::~MenuItem(%s)\n", label);
    free(mnemonic);
    free(accelerator);
    SListOps::disposeList(dupMenuItems);
}

MenuItem* MenuItem::refDupMenuItems()
{
    return SListOps::refHead(dupMenuItems);
}

int MenuItem::linkMenu()
{
    KivParser* parser = KivParser::current;
    Application* app = parser ? parser->curApplication : nullptr;
    if (!app)
        return 0;
    return linkContainer(
        "menu", MSG_FMENU_NO_NAME, MSG_FMENU_CYCLE, parser->curMenu,
        [app](char* name) -> _Menu* { return app->lookupMenu(name); },
        [app](char* name) -> _Menu* { return app->newMenu(name); });
}

} // namespace kivparser
