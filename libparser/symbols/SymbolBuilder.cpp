#include "symbols/SymbolBuilder.h"
#include "language/GrammarActions.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the symbol model fills
// them in. No point is made until then (every result is null); once the
// model makes them, these functions own and dispose of the points they
// receive, disposePoint included.

int SymbolBuilder::startRegistration()
{
    return 0;
}

int SymbolBuilder::beginSymbolClass(char* name)
{
    free(name);
    return 0;
}

int SymbolBuilder::endSymbolClass()
{
    return 0;
}

int SymbolBuilder::beginSymbolType(char* className, char* typeName)
{
    free(className);
    free(typeName);
    return 0;
}

int SymbolBuilder::endSymbolType()
{
    return 0;
}

int SymbolBuilder::scale(int)
{
    return 0;
}

int SymbolBuilder::arcOrigin(Point*)
{
    return 0;
}

int SymbolBuilder::arcSize(Point*)
{
    return 0;
}

int SymbolBuilder::arcRotation(int)
{
    return 0;
}

int SymbolBuilder::arcRotationRange(int, int)
{
    return 0;
}

int SymbolBuilder::beginSegments()
{
    return 0;
}

int SymbolBuilder::segmentPoint(Point*)
{
    return 0;
}

int SymbolBuilder::endSegments()
{
    return 0;
}

int SymbolBuilder::point(int, int, Point** point)
{
    *point = nullptr;
    return 0;
}

void SymbolBuilder::disposePoint(Point*) {}

int SymbolBuilder::variety(int)
{
    return 0;
}

int SymbolBuilder::beginCapabilities()
{
    return 0;
}

int SymbolBuilder::startCapabilityList()
{
    return 0;
}

int SymbolBuilder::capability(char* name)
{
    free(name);
    return 0;
}

int SymbolBuilder::textCapability(char* name, char* value)
{
    free(name);
    free(value);
    return 0;
}

int SymbolBuilder::integerCapability(char* name, int)
{
    free(name);
    return 0;
}

int SymbolBuilder::endCapabilities()
{
    return 0;
}

int SymbolBuilder::defaultStatusSource(int)
{
    return 0;
}

int SymbolBuilder::layout(int)
{
    return 0;
}

int SymbolBuilder::fileBase(char* base)
{
    free(base);
    return 0;
}

int SymbolBuilder::cursorSize(int)
{
    return 0;
}

int SymbolBuilder::displayString(char* text)
{
    free(text);
    return 0;
}

int SymbolBuilder::thickness(int)
{
    return 0;
}

int SymbolBuilder::beginLine()
{
    return 0;
}

int SymbolBuilder::lineStyle(int)
{
    return 0;
}

int SymbolBuilder::dashPattern()
{
    GrammarActions::discardDashList();
    return 0;
}

int SymbolBuilder::endLine()
{
    return 0;
}

int SymbolBuilder::discardUnfinished()
{
    return 0;
}
