#ifndef KIVPARSER_SYMBOLS_SYMBOLCLASS_H
#define KIVPARSER_SYMBOLS_SYMBOLCLASS_H

#include <kivparser/export.h>
#include <kivparser/symbols/Symbol.h>

namespace kivparser {

class SymbolType;
class Point;

// Whether the symbols of a class are icons or connections.
enum VarietyType { VFY_NA = -1, VFY_ICONVARIETY = 0, VFY_CONNECTIONVARIETY = 1 };

// A symbol class with its own drawing attributes, its outline (an arc or a
// polygon of segments) and its symbol types in order of first appearance.
class KIVPARSER_API SymbolClass final : public _Symbol {
public:
    SymbolClass();
    explicit SymbolClass(char* name);
    ~SymbolClass();

    SymbolClass* next() { return static_cast<SymbolClass*>(_next); }

    SymbolType* lookupSymbolType(const char* name);
    const SymbolType* lookupSymbolType(const char* name) const
    {
        return const_cast<SymbolClass*>(this)->lookupSymbolType(name);
    }
    SymbolType* newSymbolType(char* name);

    void setArcOrigin(Point* point);
    void setArcSize(Point* point);
    void setArcRotation(int start);
    void setArcRotation(int start, int degree);
    void setSegments(Point* list);
    void setScale(int value);
    void setVariety(VarietyType value);

    SymbolType* symbolTypes;
    int scale;
    VarietyType variety;
    Point* arcOrigin;
    Point* arcSize;
    int arcRotationStart;
    int arcRotationDegree;
    Point* segments;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::VarietyType;
using kivparser::VFY_NA;
using kivparser::VFY_ICONVARIETY;
using kivparser::VFY_CONNECTIONVARIETY;
using kivparser::SymbolClass;
#endif

#endif
