#include "application/DropActionBuilder.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/DropAction.h"
#include "kivparser/application/ParserExpression.h"
#include "language/BuilderContext.h"
#include "kivparser/language/MessageCatalog.h"

#include <cstdlib>

namespace kivparser {

// A drop action is filled by its first block and locked at its end; every
// later block of the same name in the application is announced as a
// duplicate and its statements are refused by the locked setters.

namespace {

struct DropActionDefinition
    : BuilderContext::Definition<Application, DropAction, &Application::lookupDropAction,
                                 &Application::newDropAction> {
    static constexpr const char* kind = "DropAction";
    static constexpr auto owner = &KivParser::curApplication;
    static constexpr auto current = &KivParser::curDropAction;
};

template <class Apply>
int onDropAction(Apply apply)
{
    return BuilderContext::with(&KivParser::curDropAction, DropActionBuilder::CHECK_DROP_ACTION, apply);
}

template <class V, class Apply>
int onDropActionValue(V* value, Apply apply)
{
    return BuilderContext::withValue(&KivParser::curDropAction, DropActionBuilder::CHECK_DROP_ACTION, value, apply);
}

} // namespace

int DropActionBuilder::beginDropAction(char* name)
{
    return BuilderContext::beginDefinition<DropActionDefinition>(name, CHECK_APPLICATION);
}

int DropActionBuilder::endDropAction()
{
    if (onDropAction([](DropAction* dropAction) { dropAction->locked++; }))
        return 1;
    KivParser::current->curDropAction = nullptr;
    return 0;
}

int DropActionBuilder::operations(int operations)
{
    return onDropAction(
        [operations](DropAction* dropAction) { dropAction->setDropOp(static_cast<unsigned long>(operations)); });
}

int DropActionBuilder::selectionRule(ParserExpression* rule)
{
    return onDropActionValue(rule, [](DropAction* dropAction, ParserExpression* tree) {
        dropAction->setSelectionRule(tree);
    });
}

int DropActionBuilder::helpString(char* text)
{
    return onDropActionValue(text, [](DropAction* dropAction, char* help) { dropAction->setHelpString(help); });
}

} // namespace kivparser
