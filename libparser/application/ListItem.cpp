#include "kivparser/application/ListItem.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "application/MenuTrace.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

ListItem::ListItem() : _MenuItem(), iconName(nullptr), activeHelp(nullptr)
{
    menuTrace(menuItemTraceVerbose, "ListItem::ListItem(%s)\n", label);
}

ListItem::ListItem(int precedence, char* label, char* theIconName, String* theActiveHelp, Function* function)
    : _MenuItem(precedence, label, 0, nullptr, function), iconName(theIconName), activeHelp(theActiveHelp)
{
    menuTrace(menuItemTraceVerbose, "ListItem::ListItem(%s)\n", label);
}

ListItem::~ListItem()
{
    menuTrace(menuItemTraceVerbose, "ListItem::~ListItem(%s)\n", label);
    free(iconName);
    SListOps::disposeList(activeHelp);
}

int ListItem::linkList()
{
    KivParser* parser = KivParser::current;
    if (!parser || !parser->curAppReg)
        return 0;
    ApplicationRegistration* reg = parser->curAppReg;
    return linkContainer(
        "list", MSG_FLIST_NO_NAME, MSG_FLIST_CYCLE, parser->curList,
        [reg](const char* name) -> _Menu* { return reg->lookupList(const_cast<char*>(name)); },
        [reg](char* name) -> _Menu* { return reg->newList(name); });
}

void ListItem::setIconName(char* name)
{
    SListOps::setText(iconName != nullptr, iconName, name);
}

void ListItem::setActiveHelp(String* lines)
{
    SListOps::setList(activeHelp != nullptr, activeHelp, lines);
}

} // namespace kivparser
