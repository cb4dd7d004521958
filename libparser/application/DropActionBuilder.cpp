#include "application/DropActionBuilder.h"
#include "application/Application.h"
#include "application/BuilderSupport.h"
#include "application/DropAction.h"
#include "language/MessageCatalog.h"

#include <cstdlib>

// A drop action is filled by its first block and locked at its end; every
// later block of the same name in the application is announced as a
// duplicate and its statements are refused by the locked setters.

namespace {

// Numbers reported by internal() when an object is missing.
enum {
    NO_APPLICATION = 801,
    NO_DROP_ACTION = 802,
};

template <class Apply>
int onDropAction(Apply apply)
{
    return BuilderSupport::with(&KivParser::curDropAction, NO_DROP_ACTION, apply);
}

template <class V, class Apply>
int onDropActionValue(V* value, Apply apply)
{
    return BuilderSupport::withValue(&KivParser::curDropAction, NO_DROP_ACTION, value, apply);
}

} // namespace

int DropActionBuilder::beginDropAction(char* name)
{
    Application* application = BuilderSupport::current(&KivParser::curApplication, NO_APPLICATION);
    if (!application) {
        free(name);
        return 1;
    }
    DropAction* dropAction = application->lookupDropAction(name);
    if (!dropAction) {
        dropAction = application->newDropAction(name);
        if (!dropAction)
            return 1;
    } else {
        if (dropAction->locked)
            warning(parserMsg(MSG_DUPLICATE), "DropAction", name);
        free(name);
    }
    KivParser::current->curDropAction = dropAction;
    return 0;
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
