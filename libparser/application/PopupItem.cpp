#include "kivparser/application/PopupItem.h"
#include "kivparser/application/Application.h"
#include "application/MenuTrace.h"
#include "kivparser/application/PopupMenu.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"

#include <cstdlib>

namespace kivparser {

PopupItem::PopupItem() : _MenuItem(), targetSymbolType(nullptr)
{
    menuTrace(menuItemTraceVerbose, "PopupItem::PopupItem(%s)\n", label);
}

PopupItem::PopupItem(int thePrecedence, char* theLabel, int theIsBitmap, char* theContextExpr,
                     char* theTargetSymbolType, Function* theFunction)
    : _MenuItem(thePrecedence, theLabel, theIsBitmap, theContextExpr, theFunction),
      targetSymbolType(theTargetSymbolType)
{
    menuTrace(menuItemTraceVerbose, "PopupItem::PopupItem(%s)\n", label);
}

PopupItem::~PopupItem()
{
    menuTrace(menuItemTraceVerbose, "PopupItem::~PopupItem(%s)\n", label);
    free(targetSymbolType);
}

int PopupItem::linkPopupMenu()
{
    KivParser* parser = KivParser::current;
    Application* app = parser ? parser->curApplication : nullptr;
    if (!app)
        return 0;
    return linkContainer(
        "menu", MSG_FMENU_NO_NAME, MSG_FMENU_CYCLE, parser->curPopupMenu,
        [app](char* name) -> _Menu* { return app->lookupPopupMenu(name); },
        [app](char* name) -> _Menu* { return app->newPopupMenu(name); });
}

} // namespace kivparser
