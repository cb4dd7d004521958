#include "application/TabBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given (the active help in
// curString included) until the tab and list model fills them in.

int TabBuilder::beginTab(int, char* name, char* icon)
{
    free(name);
    free(icon);
    GrammarActions::discardValueList();
    return 0;
}

int TabBuilder::endTab()
{
    return 0;
}

int TabBuilder::beginList(char* name, char* icon)
{
    free(name);
    free(icon);
    GrammarActions::discardValueList();
    return 0;
}

int TabBuilder::endList()
{
    return 0;
}

int TabBuilder::listItem(int, char* label, char* icon)
{
    free(label);
    free(icon);
    GrammarActions::discardValueList();
    return 0;
}
