#include "kivparser/application/Tab.h"
#include "application/PrecedencePlacement.h"
#include "kivparser/language/MessageCatalog.h"

namespace kivparser {

Tab::Tab() : _ParserList()
{
    order = PSLpriority;
}

Tab::Tab(char* id) : _ParserList(id)
{
    order = PSLpriority;
}

Tab::~Tab() = default;

void Tab::setPrecedence(int p)
{
    PrecedencePlacement::keepFirst(precedence, p, MSG_TAB_PRECEDENCE, menuID ? menuID : "");
}

} // namespace kivparser
