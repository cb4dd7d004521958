#include "application/ActionBuilder.h"
#include "language/ParseDamage.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/Window.h"
#include "language/BuilderContext.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "kivparser/lists/String.h"
#include "kivparser/web/UrlPathConv.h"

#include <cstdlib>
#include <new>

namespace kivparser {

namespace {

// Applies `set` to the current action, or reports the missing action.
template <class Set>
int onAction(Set set)
{
    return BuilderContext::with(&KivParser::curAction, ActionBuilder::CHECK_STATEMENT, set);
}

int onActionText(void (Action::*store)(char*), char* text)
{
    return BuilderContext::withValue(&KivParser::curAction, ActionBuilder::CHECK_STATEMENT, text,
                                     [store](Action* action, char* value) { (action->*store)(value); });
}

int onActionValueList(void (Action::*store)(String*))
{
    Action* action = BuilderContext::current(&KivParser::curAction, ActionBuilder::CHECK_STATEMENT);
    if (!action)
        return 1;
    String* list = BuilderContext::take(&KivParser::curString, ActionBuilder::CHECK_VALUE_LIST);
    if (!list)
        return 1;
    (action->*store)(list);
    return 0;
}

// Applies `set` to the window being filled, or reports the missing window.
template <class Set>
int onWindow(Set set)
{
    return BuilderContext::with(&KivParser::curWindow, ActionBuilder::CHECK_WINDOW_STATEMENT, set);
}

// *result becomes the node `make` builds; without memory the parts are
// disposed of and the parse ends.
template <class Make>
int node(ParserExpression** result, Make make, ParserExpression* e1, ParserExpression* e2)
{
    *result = make();
    if (!*result) {
        delete e1;
        delete e2;
        nomemory();
        return 1;
    }
    return 0;
}

int operatorNode(ExprOpType op, ParserExpression* left, ParserExpression* right, ParserExpression** result)
{
    return node(
        result, [=] { return new (std::nothrow) ParserExpression(op, left, right); }, left, right);
}

int textTerm(char* text, ParserExpression** result)
{
    if (!text) {
        // The scanner could not copy the text.
        *result = nullptr;
        nomemory();
        return 1;
    }
    int failed = node(result, [=] { return new (std::nothrow) ParserExpression(text); }, nullptr, nullptr);
    if (failed)
        free(text);
    return failed;
}

int numberTerm(int value, ParserExpression** result)
{
    ParserExpression* term = new (std::nothrow) ParserExpression(value);
    if (term && !term->term) {
        delete term;
        term = nullptr;
    }
    return node(result, [=] { return term; }, nullptr, nullptr);
}

// field == value / field != value: the two terms under one node.
int comparison(ExprOpType op, char* name, ParserExpression* value, ParserExpression** result)
{
    ParserExpression* field = nullptr;
    if (!value || textTerm(name, &field)) {
        if (!value)
            free(name);
        delete value;
        *result = nullptr;
        return 1;
    }
    return operatorNode(op, field, value, result);
}

ParserExpression* textValue(char* text)
{
    ParserExpression* term = nullptr;
    textTerm(text, &term);
    return term;
}

ParserExpression* numberValue(int value)
{
    ParserExpression* term = nullptr;
    numberTerm(value, &term);
    return term;
}

} // namespace

namespace {

// Damage to the parse (ParseDamage::count) when the open action block began.
long damageAtActionStart = 0;

void lockIncomplete(Action* action)
{
    action->locked = Action::INCOMPLETE_DEFINITION;
}

} // namespace

void ActionBuilder::closeUnfinished(Application* app, bool applicationEnded, bool damaged)
{
    KivParser* parser = KivParser::current;
    if (parser && parser->curAction) {
        lockIncomplete(parser->curAction);
        parser->curAction = nullptr;
    }
    if (!app || !applicationEnded || !damaged)
        return;
    for (Action* action = app->actions ? app->actions->next() : nullptr; action; action = action->next())
        if (action->locked == 0)
            lockIncomplete(action);
}

int ActionBuilder::beginAction(char* name)
{
    Application* app = BuilderContext::ownerFor(&KivParser::curApplication, name, CHECK_BEGIN_ACTION);
    if (!app)
        return 1;
    // A block that error recovery left open is over now.
    closeUnfinished(app, false, true);
    damageAtActionStart = ParseDamage::count();
    // An unlocked action found here is the placeholder of an f.action
    // reference: it is filled without a message.
    Action* action = BuilderContext::open<ActionBuilder::ActionDefinition>(app, name);
    if (!action)
        return 1;
    action->setApplication(app); // the application that holds it; unchanged for a found one
    KivParser::current->curAction = action;
    return 0;
}

int ActionBuilder::endAction()
{
    Action* action = BuilderContext::current(&KivParser::curAction, CHECK_END_ACTION);
    if (!action)
        return 1;
    if (ParseDamage::count() != damageAtActionStart)
        lockIncomplete(action);
    else if (action->locked >= 0)
        action->locked++;
    KivParser::current->curAction = nullptr;
    return 0;
}

int ActionBuilder::selectionRule(ParserExpression* rule)
{
    return BuilderContext::withValue(&KivParser::curAction, CHECK_STATEMENT, rule,
                                     [](Action* action, ParserExpression* tree) { action->setSelectionRule(tree); });
}

int ActionBuilder::nameFields()
{
    return onActionValueList(&Action::setNameFields);
}

int ActionBuilder::accesses()
{
    return onActionValueList(&Action::setAccesses);
}

int ActionBuilder::minSelected(int count)
{
    return onAction([count](Action* action) { action->setMinSelected(count); });
}

int ActionBuilder::maxSelected(int count)
{
    return onAction([count](Action* action) { action->setMaxSelected(count); });
}

int ActionBuilder::callbackArgs(char* args)
{
    return onActionText(&Action::setCallbackArg, args);
}

int ActionBuilder::displayString(char* text)
{
    return onActionText(&Action::setDisplayString, text);
}

int ActionBuilder::urlPath(char* path)
{
    return onActionText(&Action::setUrlPath, path);
}

int ActionBuilder::convertUrlPath(char* path, char** converted)
{
    bool given = path != nullptr;
    *converted = UrlPathConv(path);
    if (given && !*converted) {
        nomemory();
        return 1;
    }
    return 0;
}

int ActionBuilder::actionCommand()
{
    Command* command = BuilderContext::take(&KivParser::curCommand, CHECK_COMMAND);
    if (!command)
        return 1;
    return BuilderContext::withValue(&KivParser::curAction, CHECK_STATEMENT, command,
                                     [](Action* action, Command* taken) { action->setCommand(taken); });
}

int ActionBuilder::andExpression(ParserExpression* left, ParserExpression* right, ParserExpression** result)
{
    return operatorNode(EOP_AND, left, right, result);
}

int ActionBuilder::orExpression(ParserExpression* left, ParserExpression* right, ParserExpression** result)
{
    return operatorNode(EOP_OR, left, right, result);
}

int ActionBuilder::notExpression(ParserExpression* operand, ParserExpression** result)
{
    return operatorNode(EOP_NOT, operand, nullptr, result);
}

int ActionBuilder::integerTerm(int value, ParserExpression** result)
{
    return numberTerm(value, result);
}

int ActionBuilder::nameTerm(char* name, ParserExpression** result)
{
    return textTerm(name, result);
}

int ActionBuilder::equalsText(char* name, char* value, ParserExpression** result)
{
    return comparison(EOP_EQUAL, name, textValue(value), result);
}

int ActionBuilder::differsFromText(char* name, char* value, ParserExpression** result)
{
    return comparison(EOP_NOT_EQUAL, name, textValue(value), result);
}

int ActionBuilder::equalsInteger(char* name, int value, ParserExpression** result)
{
    return comparison(EOP_EQUAL, name, numberValue(value), result);
}

int ActionBuilder::differsFromInteger(char* name, int value, ParserExpression** result)
{
    return comparison(EOP_NOT_EQUAL, name, numberValue(value), result);
}

void ActionBuilder::disposeExpression(ParserExpression* expression)
{
    delete expression;
}

int ActionBuilder::beginWindow(char* label)
{
    ApplicationRegistration* reg = BuilderContext::current(&KivParser::curAppReg, CHECK_BEGIN_WINDOW);
    if (!reg) {
        free(label);
        return 1;
    }
    // Every block makes a new window; there is no look-up.
    Window* window = reg->newWindow(label);
    if (!window)
        return 1;
    KivParser::current->curWindow = window;
    return 0;
}

int ActionBuilder::endWindow()
{
    Window* window = BuilderContext::take(&KivParser::curWindow, CHECK_END_WINDOW);
    if (!window)
        return 1;
    window->locked++;
    Action* action = BuilderContext::current(&KivParser::curAction, CHECK_END_WINDOW);
    if (!action)
        return 1;
    // A locked action keeps its window; this one stays in the registration.
    action->setWindow(window);
    return 0;
}

int ActionBuilder::windowType(int type)
{
    return onWindow([type](Window* w) { w->setType(static_cast<TypeSpecType>(type)); });
}

int ActionBuilder::windowStatus(int onOff)
{
    return onWindow([onOff](Window* w) { w->setStatus(static_cast<OnOffType>(onOff)); });
}

int ActionBuilder::windowScrollbars(int onOff)
{
    return onWindow([onOff](Window* w) { w->setScrollbar(static_cast<OnOffType>(onOff)); });
}

int ActionBuilder::windowToolbar(int onOff)
{
    return onWindow([onOff](Window* w) { w->setToolbar(static_cast<OnOffType>(onOff)); });
}

int ActionBuilder::windowLocation(int onOff)
{
    return onWindow([onOff](Window* w) { w->setLocation(static_cast<OnOffType>(onOff)); });
}

int ActionBuilder::windowResizable(int onOff)
{
    return onWindow([onOff](Window* w) { w->setResizable(static_cast<OnOffType>(onOff)); });
}

int ActionBuilder::windowWidth(int width)
{
    return onWindow([width](Window* w) { w->setWidth(width); });
}

int ActionBuilder::windowHeight(int height)
{
    return onWindow([height](Window* w) { w->setHeight(height); });
}

} // namespace kivparser
