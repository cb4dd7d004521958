#include "kivparser/symbols/Symbol.h"
#include "lists/SListOps.h"
#include "kivparser/symbols/Capability.h"
#include "kivparser/symbols/Line.h"

#include <cstdlib>

namespace kivparser {

_Symbol::_Symbol() : SList()
{
    _init();
}

_Symbol::_Symbol(char* name) : SList()
{
    _init();
    symbolID = name;
}

void _Symbol::_init()
{
    symbolID = nullptr;
    fileBase = nullptr;
    cursorSize = -1;
    layout = LYT_NA;
    capabilities = nullptr;
    defaultStatusSource = DSS_NA;
    line = nullptr;
    displayString = nullptr;
    thickness = -1;
    locked = 0;
}

_Symbol::~_Symbol()
{
    free(symbolID);
    free(fileBase);
    SListOps::disposeList(capabilities);
    delete line;
    free(displayString);
}

void _Symbol::setCapabilities(Capability* list)
{
    SListOps::setList(locked, capabilities, list);
}

void _Symbol::setCursorSize(int size)
{
    SListOps::setValue(locked, cursorSize, size);
}

void _Symbol::setDefaultStatusSource(DefaultStatusSourceType source)
{
    SListOps::setValue(locked, defaultStatusSource, source);
}

void _Symbol::setDisplayString(char* text)
{
    SListOps::setText(locked, displayString, text);
}

void _Symbol::setFileBase(char* base)
{
    SListOps::setText(locked, fileBase, base);
}

void _Symbol::setLayout(LayoutType type)
{
    SListOps::setValue(locked, layout, type);
}

void _Symbol::setLine(Line* newLine)
{
    SListOps::setObject(locked, line, newLine);
}

void _Symbol::setThickness(int value)
{
    SListOps::setValue(locked, thickness, value);
}

} // namespace kivparser
