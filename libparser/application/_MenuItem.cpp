#include "kivparser/application/_MenuItem.h"
#include "kivparser/application/_Menu.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Function.h"
#include "application/ActionBuilder.h"
#include "application/MenuLinks.h"
#include "language/BuilderContext.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "platform/KzPlatform.h"

#include <cstdlib>

namespace kivparser {

_MenuItem::_MenuItem()
    : PSList(PSLpriority, -1, 50), label(nullptr), isBitmap(-1), contextExpr(nullptr), function(nullptr),
      menuLink(nullptr), actionLink(nullptr)
{
}

_MenuItem::_MenuItem(int thePrecedence, char* theLabel, int theIsBitmap, char* theContextExpr, Function* theFunction)
    : PSList(PSLpriority, thePrecedence, 50), label(theLabel), isBitmap(theIsBitmap), contextExpr(theContextExpr),
      function(theFunction), menuLink(nullptr), actionLink(nullptr)
{
}

_MenuItem::~_MenuItem()
{
    free(label);
    free(contextExpr);
    delete function;
}

_MenuItem* _MenuItem::lookup_MenuItem(const char* theLabel)
{
    return SListOps::lookup(this, &_MenuItem::label, theLabel);
}

int _MenuItem::linkAction()
{
    KivParser* parser = KivParser::current;
    Application* app = parser ? parser->curApplication : nullptr;
    if (!app || !function || !function->isType("action"))
        return 0;
    if (!function->functionArg) {
        error("%s", parserMsg(MSG_FACTION_NO_NAME));
        return 0;
    }
    // A name not defined yet gets a placeholder that its action block fills.
    Action* action = BuilderContext::referTo<ActionBuilder::ActionDefinition>(app, function->functionArg);
    if (!action)
        return 1;
    action->setApplication(app);
    actionLink = action;
    return 0;
}

int _MenuItem::linkContainer(const char* type, int missingMsg, int cycleMsg, _Menu* underDefinition,
                             const std::function<_Menu*(char*)>& lookup,
                             const std::function<_Menu*(char*)>& create)
{
    if (!function || !function->isType(type))
        return 0;
    char* name = function->functionArg;
    if (!name) {
        error("%s", parserMsg(missingMsg));
        return 0;
    }
    _Menu* found = lookup(name);
    if (!found) {
        char* copy = _strdup(name);
        if (!copy) {
            nomemory();
            return 1;
        }
        found = create(copy);
        if (!found)
            return 1;
    } else if (MenuLinks::reaches(found, underDefinition)) {
        error(parserMsg(cycleMsg), name);
        return 0;
    }
    menuLink = found;
    MenuLinks::linked(underDefinition, found);
    return 0;
}

} // namespace kivparser
