#include "symbols/SymbolClass.h"
#include "lists/SListOps.h"
#include "symbols/NamedList.h"
#include "symbols/Point.h"
#include "symbols/SymbolType.h"

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

SymbolType* SymbolClass::lookupSymbolType(char* name)
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
    setPlain(arcRotationStart, start);
}

void SymbolClass::setArcRotation(int start, int degree)
{
    setPlain(arcRotationStart, start);
    setPlain(arcRotationDegree, degree);
}

void SymbolClass::setSegments(Point* list)
{
    SListOps::setList(locked, segments, list);
}

void SymbolClass::setScale(int value)
{
    setPlain(scale, value);
}

void SymbolClass::setVariety(VarietyType value)
{
    setPlain(variety, value);
}
