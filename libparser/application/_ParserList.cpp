#include "kivparser/application/_ParserList.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"

#include <cstdlib>

namespace kivparser {

_ParserList::_ParserList() : _Menu(), iconName(nullptr), activeHelp(nullptr)
{
    order = PSLfifo;
}

_ParserList::_ParserList(char* id) : _Menu(id), iconName(nullptr), activeHelp(nullptr)
{
    order = PSLfifo;
}

_ParserList::~_ParserList()
{
    free(iconName);
    SListOps::disposeList(activeHelp);
    disposeItemsAs<ListItem>();
}

_MenuItem* _ParserList::refMenuItems()
{
    return refItemsAs<ListItem>();
}

void _ParserList::setIconName(char* name)
{
    if (!name)
        return;
    if (iconName && strcmp_new(name, iconName) != 0)
        warning(parserMsg(MSG_ICON_NAME), menuID ? menuID : "", name, iconName);
    // The first icon given stays.
    SListOps::setText(iconName != nullptr, iconName, name);
}

void _ParserList::setActiveHelp(String* lines)
{
    SListOps::setList(activeHelp != nullptr, activeHelp, lines);
}

} // namespace kivparser
