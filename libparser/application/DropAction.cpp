#include "kivparser/application/DropAction.h"
#include "kivparser/application/ParserExpression.h"
#include "lists/SListOps.h"

#include <cstdlib>

namespace kivparser {

DropAction::DropAction() : SList()
{
    _init();
}

DropAction::DropAction(char* id) : SList()
{
    _init();
    dropActionID = id;
}

void DropAction::_init()
{
    dropActionID = nullptr;
    dropOp = 0;
    selectionRule = nullptr;
    helpString = nullptr;
    locked = 0;
}

DropAction::~DropAction()
{
    free(dropActionID);
    free(helpString);
    delete selectionRule;
}

void DropAction::setDropOp(unsigned long ops)
{
    SListOps::setValue(locked, dropOp, ops);
}

void DropAction::setSelectionRule(ParserExpression* rule)
{
    SListOps::setObject(locked, selectionRule, rule);
}

void DropAction::setHelpString(char* text)
{
    SListOps::setText(locked, helpString, text);
}

} // namespace kivparser
