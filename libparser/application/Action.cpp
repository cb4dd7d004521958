#include "kivparser/application/Action.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/ParserExpression.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

Action::Action() : SList()
{
    _init();
}

Action::Action(char* id) : SList()
{
    _init();
    actionID = id;
}

void Action::_init()
{
    actionID = nullptr;
    application = nullptr;
    selectionRule = nullptr;
    nameFields = nullptr;
    minSelected = -1;
    maxSelected = -1;
    callbackArg = nullptr;
    command = nullptr;
    displayString = nullptr;
    locked = 0;
    urlPath = nullptr;
    accesses = nullptr;
    window = nullptr;
}

Action::~Action()
{
    free(actionID);
    free(callbackArg);
    free(displayString);
    free(urlPath);
    delete selectionRule;
    SListOps::disposeList(nameFields);
    SListOps::disposeList(accesses);
    delete command;
}

void Action::setApplication(Application* app)
{
    application = app;
}

void Action::setSelectionRule(ParserExpression* rule)
{
    SListOps::setObject(locked, selectionRule, rule);
}

void Action::setNameFields(String* list)
{
    SListOps::setList(locked, nameFields, list);
}

void Action::setAccesses(String* list)
{
    SListOps::setList(locked, accesses, list);
}

void Action::setCommand(Command* cmd)
{
    SListOps::setObject(locked, command, cmd);
}

void Action::setCallbackArg(char* arg)
{
    SListOps::setText(locked, callbackArg, arg);
}

void Action::setDisplayString(char* text)
{
    SListOps::setText(locked, displayString, text);
}

void Action::setUrlPath(char* path)
{
    SListOps::setText(locked, urlPath, path);
}

void Action::setMinSelected(int count)
{
    SListOps::setValue(locked, minSelected, count);
}

void Action::setMaxSelected(int count)
{
    SListOps::setValue(locked, maxSelected, count);
}

void Action::setWindow(Window* win)
{
    SListOps::setValue(locked, window, win);
}

} // namespace kivparser
