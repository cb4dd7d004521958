#include "application/Tab.h"
#include "language/MessageCatalog.h"
#include "language/ParserErr.h"

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
    if (p == -1)
        return;
    if (precedence == -1) {
        precedence = p;
        return;
    }
    if (p != precedence)
        warning(parserMsg(MSG_TAB_PRECEDENCE), menuID ? menuID : "", p, precedence);
}
