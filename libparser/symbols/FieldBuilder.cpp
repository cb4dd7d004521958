#include "symbols/FieldBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the field model fills
// them in.

int FieldBuilder::startRegistration()
{
    return 0;
}

int FieldBuilder::beginField(char* name)
{
    free(name);
    return 0;
}

int FieldBuilder::endField()
{
    return 0;
}

int FieldBuilder::fieldType(int)
{
    return 0;
}

int FieldBuilder::fieldFlags(int)
{
    return 0;
}

int FieldBuilder::enumeration()
{
    GrammarActions::discardValueList();
    return 0;
}

int FieldBuilder::displayString(char* text)
{
    free(text);
    return 0;
}
