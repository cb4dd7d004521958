#include "kivparser/symbols/SymbolClass.h"
#include "lists/SListOps.h"
#include "symbols/NamedList.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SymbolType.h"

namespace kivparser {

SymbolClass::SymbolClass() : _Symbol()
{
    _init();
}

SymbolClass::SymbolClass(char* name) : _Symbol(name)
{
    _init();
}

void SymbolClass::_init()
{
    symbolTypes = nullptr;
    scale = -1;
    variety = VFY_NA;
    arcOrigin = nullptr;
    arcSize = nullptr;
    arcRotationStart = -1;
    arcRotationDegree = -1;
    segments = nullptr;
}

SymbolClass::~SymbolClass()
{
    SListOps::disposeList(symbolTypes);
    delete arcOrigin;
    delete arcSize;
    SListOps::disposeList(segments);
}

SymbolType* SymbolClass::lookupSymbolType(const char* name)
{
    return SListOps::lookup(symbolTypes, &SymbolType::symbolID, name);
}

SymbolType* SymbolClass::newSymbolType(char* name)
{
    return NamedList::appendNew(symbolTypes, name);
}

void SymbolClass::setArcOrigin(Point* point)
{
    SListOps::setObject(locked, arcOrigin, point);
}

void SymbolClass::setArcSize(Point* point)
{
    SListOps::setObject(locked, arcSize, point);
}

void SymbolClass::setArcRotation(int start)
{
    SListOps::setValue(locked, arcRotationStart, start);
}

void SymbolClass::setArcRotation(int start, int degree)
{
    SListOps::setValue(locked, arcRotationStart, start);
    SListOps::setValue(locked, arcRotationDegree, degree);
}

void SymbolClass::setSegments(Point* list)
{
    SListOps::setList(locked, segments, list);
}

void SymbolClass::setScale(int value)
{
    SListOps::setValue(locked, scale, value);
}

void SymbolClass::setVariety(VarietyType value)
{
    SListOps::setValue(locked, variety, value);
}

} // namespace kivparser
