#include "dump/DumpWriter.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/Capability.h"
#include "kivparser/symbols/Line.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/symbols/SymbolType.h"

namespace kivparser {

namespace {

using W = DumpWriter;

void dumpCapabilities(Capability* head)
{
    W::line("Capability : ");
    for (Capability* cap = head ? head->next() : nullptr; cap; cap = cap->next()) {
        W::text("\"%s\" = ", W::str(cap->fieldName));
        if (cap->valueType == VLU_INTEGER)
            W::text("%d, ", cap->value_integer);
        else if (cap->valueType == VLU_STRING)
            W::text("\"%s\", ", W::str(cap->value_string));
    }
    W::text("\n");
}

void dumpLine(Line* line)
{
    if (!line)
        return;
    W::line("LineStyle: %d\n", line->lineStyle);
    W::line("DashLength: ");
    for (String* dash = line->dashLengths ? line->dashLengths->next() : nullptr; dash; dash = dash->next()) {
        if (dash->isInteger())
            W::text("%d, ", dash->integer);
    }
    W::text("\n");
}

// The attributes classes and types share, in the order both print them.
void dumpShared(_Symbol* symbol)
{
    W::line("FileBase: \"%s\"\n", W::str(symbol->fileBase));
    W::line("CursorSize: %d\n", symbol->cursorSize);
    W::line("LayoutType: %d\n", symbol->layout);
    dumpCapabilities(symbol->capabilities);
    W::line("DefaultStatusSource: %d\n", symbol->defaultStatusSource);
    dumpLine(symbol->line);
    W::line("DisplayString: \"%s\"\n", W::str(symbol->displayString));
    W::line("Thickness: %d\n", symbol->thickness);
}

void dumpArcPoint(const char* label, Point* point)
{
    if (point)
        W::line("%s: (%d, %d)\n", label, point->x, point->y);
    else
        W::line("%s: <none>\n", label);
}

void dumpType(SymbolType* type)
{
    W::open("SymbolType \"%s\" {\n", W::str(type->symbolID));
    dumpShared(type);
    W::open("Available Bitmap Size {\n");
    W::values(type->availableBitmapSizes);
    W::close();
    W::line("Available Bitmap Dir : \"%s\"\n", W::str(type->fileBaseDir));
    W::close();
}

void dumpClass(SymbolClass* symbolClass)
{
    W::open("SymbolClass \"%s\" {\n", W::str(symbolClass->symbolID));
    dumpShared(symbolClass);
    W::line("Scale: %d\n", symbolClass->scale);
    W::line("Variety: %d\n", symbolClass->variety);
    dumpArcPoint("Arc Origin", symbolClass->arcOrigin);
    dumpArcPoint("Arc Size", symbolClass->arcSize);
    W::line("Arc RotationStart:  %d\n", symbolClass->arcRotationStart);
    W::line("Arc RotationDegree: %d\n", symbolClass->arcRotationDegree);
    W::line("Segments: ");
    for (Point* point = symbolClass->segments ? symbolClass->segments->next() : nullptr; point; point = point->next())
        W::text("(%d, %d) ", point->x, point->y);
    W::text("\n");
    for (SymbolType* type = symbolClass->symbolTypes ? symbolClass->symbolTypes->next() : nullptr; type;
         type = type->next())
        dumpType(type);
    W::close();
}

} // namespace

void SymbolRegistration::debugDump()
{
    ParseLock lock;
    for (SymbolClass* symbolClass = symbolClasses ? symbolClasses->next() : nullptr; symbolClass;
         symbolClass = symbolClass->next())
        dumpClass(symbolClass);
}

} // namespace kivparser
