#include "application/DropActionBuilder.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the drop-action model
// fills them in (the expression received is still null until then; the model
// disposes of it).

int DropActionBuilder::beginDropAction(char* name)
{
    free(name);
    return 0;
}

int DropActionBuilder::endDropAction()
{
    return 0;
}

int DropActionBuilder::operations(int)
{
    return 0;
}

int DropActionBuilder::selectionRule(ParserExpression*)
{
    return 0;
}

int DropActionBuilder::helpString(char* text)
{
    free(text);
    return 0;
}
