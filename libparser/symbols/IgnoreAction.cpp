#include "kivparser/symbols/IgnoreAction.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

IgnoreAction::IgnoreAction() : IgnoreAction(nullptr) {}

IgnoreAction::IgnoreAction(char* name) : SList(), appName(name), actionNames(nullptr), actionNamesAll(0) {}

IgnoreAction::~IgnoreAction()
{
    free(appName);
    SListOps::disposeList(actionNames);
}

void IgnoreAction::setActionNames(String* list)
{
    SListOps::setList(0, actionNames, list);
}

void IgnoreAction::setActionNamesAll()
{
    actionNamesAll = 1;
}

} // namespace kivparser
