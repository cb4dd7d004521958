#include "kivparser/application/_MenuItem.h"
#include "kivparser/application/_Menu.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Function.h"
#include "application/ActionBuilder.h"
#include "application/MenuLinks.h"
#include "language/BuilderContext.h"
#include "language/ReportDetails.h"
#include "language/SourceMap.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "platform/KzPlatform.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace kivparser {

namespace {

// The cycle's other end: the entry, among the menus that `target` reaches,
// that links back to the menu under definition (none when the entry would
// link the menu to itself).
void reportCycle(int cycleMsg, const char* name, _Menu* target, _Menu* underDefinition)
{
    ReportDetails details;
    SourceSpan place;
    if (TokenPositions::spanOfText(name, &place))
        details.at(place);
    try {
        std::vector<_Menu*> pending{target};
        std::vector<_Menu*> seen;
        _MenuItem* closing = nullptr;
        while (!pending.empty() && !closing && target != underDefinition) {
            _Menu* menu = pending.back();
            pending.pop_back();
            if (std::find(seen.begin(), seen.end(), menu) != seen.end())
                continue;
            seen.push_back(menu);
            for (_MenuItem* item = menu->menuItems; item && !closing; item = item->next()) {
                if (item->menuLink == underDefinition)
                    closing = item;
                else if (item->menuLink)
                    pending.push_back(item->menuLink);
            }
        }
        std::vector<SourcePlace> at = closing ? SourceMap::definitionsHere(closing) : std::vector<SourcePlace>();
        if (!at.empty())
            details.related(at.front().file, at.front().span.line, at.front().span.column,
                            "the link back that closes the cycle");
    } catch (...) {
        nomemory();
    }
    error(parserMsg(cycleMsg), name);
}

} // namespace

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
    SourceMap::used(action, function->functionArg);
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
        reportCycle(cycleMsg, name, found, underDefinition);
        return 0;
    }
    menuLink = found;
    MenuLinks::linked(underDefinition, found);
    SourceMap::used(found, name);
    return 0;
}

} // namespace kivparser
