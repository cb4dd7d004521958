#include "application/ActionBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the action model fills
// them in. Until then no expression is ever made (every result is null);
// once the model makes them, these functions own and dispose of the
// expressions they receive, disposeExpression included.

int ActionBuilder::beginAction(char* name)
{
    free(name);
    return 0;
}

int ActionBuilder::endAction()
{
    return 0;
}

int ActionBuilder::selectionRule(ParserExpression*)
{
    return 0;
}

int ActionBuilder::nameFields()
{
    GrammarActions::discardValueList();
    return 0;
}

int ActionBuilder::minSelected(int)
{
    return 0;
}

int ActionBuilder::maxSelected(int)
{
    return 0;
}

int ActionBuilder::callbackArgs(char* args)
{
    free(args);
    return 0;
}

int ActionBuilder::actionCommand()
{
    return 0;
}

int ActionBuilder::displayString(char* text)
{
    free(text);
    return 0;
}

int ActionBuilder::urlPath(char* path)
{
    free(path);
    return 0;
}

int ActionBuilder::convertUrlPath(char* path, char** converted)
{
    *converted = path;
    return 0;
}

int ActionBuilder::accesses()
{
    GrammarActions::discardValueList();
    return 0;
}

int ActionBuilder::andExpression(ParserExpression*, ParserExpression*, ParserExpression** result)
{
    *result = nullptr;
    return 0;
}

int ActionBuilder::orExpression(ParserExpression*, ParserExpression*, ParserExpression** result)
{
    *result = nullptr;
    return 0;
}

int ActionBuilder::notExpression(ParserExpression*, ParserExpression** result)
{
    *result = nullptr;
    return 0;
}

int ActionBuilder::integerTerm(int, ParserExpression** result)
{
    *result = nullptr;
    return 0;
}

int ActionBuilder::nameTerm(char* name, ParserExpression** result)
{
    free(name);
    *result = nullptr;
    return 0;
}

int ActionBuilder::equalsText(char* name, char* value, ParserExpression** result)
{
    free(name);
    free(value);
    *result = nullptr;
    return 0;
}

int ActionBuilder::differsFromText(char* name, char* value, ParserExpression** result)
{
    free(name);
    free(value);
    *result = nullptr;
    return 0;
}

int ActionBuilder::equalsInteger(char* name, int, ParserExpression** result)
{
    free(name);
    *result = nullptr;
    return 0;
}

int ActionBuilder::differsFromInteger(char* name, int, ParserExpression** result)
{
    free(name);
    *result = nullptr;
    return 0;
}

void ActionBuilder::disposeExpression(ParserExpression*) {}

int ActionBuilder::beginWindow(char* label)
{
    free(label);
    return 0;
}

int ActionBuilder::endWindow()
{
    return 0;
}

int ActionBuilder::windowType(int)
{
    return 0;
}

int ActionBuilder::windowStatus(int)
{
    return 0;
}

int ActionBuilder::windowScrollbars(int)
{
    return 0;
}

int ActionBuilder::windowToolbar(int)
{
    return 0;
}

int ActionBuilder::windowLocation(int)
{
    return 0;
}

int ActionBuilder::windowResizable(int)
{
    return 0;
}

int ActionBuilder::windowWidth(int)
{
    return 0;
}

int ActionBuilder::windowHeight(int)
{
    return 0;
}
