#include "symbols/SymbolBuilder.h"
#include "language/BuilderContext.h"
#include "language/GrammarActions.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/Capability.h"
#include "kivparser/symbols/Line.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/symbols/SymbolType.h"

#include <cstdlib>
#include <new>

namespace kivparser {

// The statements of a class block act on curSymbolClass, those of a type
// block on curSymbolType; at most one of the two is set at a time. Every
// function owns the texts and points it receives, also when it fails.

namespace {

using Ctx = BuilderContext;

// The symbol whose block is being read.
_Symbol* target()
{
    const int where = SymbolBuilder::CHECK_SYMBOL;
    KivParser* parser = Ctx::parser(where);
    if (!parser)
        return nullptr;
    if (parser->curSymbolClass)
        return parser->curSymbolClass;
    if (parser->curSymbolType)
        return parser->curSymbolType;
    internal(where);
    return nullptr;
}

SymbolClass* currentClass()
{
    return Ctx::current(&KivParser::curSymbolClass, SymbolBuilder::CHECK_CLASS);
}

// A class that only a type definition made is filled without a word.
struct SymbolClassDefinition
    : Ctx::Definition<SymbolRegistration, SymbolClass, &SymbolRegistration::lookupSymbolClass,
                      &SymbolRegistration::newSymbolClass> {
    static constexpr const char* kind = "SymbolClass";
    static constexpr auto owner = &KivParser::curSymReg;
    static constexpr auto current = &KivParser::curSymbolClass;
};

struct SymbolTypeDefinition
    : Ctx::Definition<SymbolClass, SymbolType, &SymbolClass::lookupSymbolType,
                      &SymbolClass::newSymbolType> {
    static constexpr const char* kind = "SymbolType";
};

// Applies `set` to the symbol whose block is being read, or to the class.
template <class Set>
int onSymbol(Set set)
{
    _Symbol* symbol = target();
    if (!symbol)
        return 1;
    set(symbol);
    return 0;
}

template <class Set>
int onClass(Set set)
{
    SymbolClass* symbolClass = currentClass();
    if (!symbolClass)
        return 1;
    set(symbolClass);
    return 0;
}

// Hands over a text (released when there is no symbol).
int textOnSymbol(void (_Symbol::*setter)(char*), char* text)
{
    _Symbol* symbol = target();
    if (!symbol) {
        free(text);
        return 1;
    }
    (symbol->*setter)(text);
    return 0;
}

// Hands over a point of the class's arc (deleted when there is no class).
int pointOnClass(void (SymbolClass::*setter)(Point*), Point* point)
{
    SymbolClass* symbolClass = currentClass();
    if (!symbolClass) {
        delete point;
        return 1;
    }
    (symbolClass->*setter)(point);
    return 0;
}

// Ends a definition block: the symbol is frozen from now on.
template <class T>
int endSymbol(T* KivParser::*field, int where)
{
    T* symbol = Ctx::current(field, where);
    if (!symbol)
        return 1;
    symbol->locked++;
    KivParser::current->*field = nullptr;
    return 0;
}

// Links a new capability at the end of the list being read.
int addCapability(Capability* item)
{
    Capability* head = Ctx::current(&KivParser::curCapability, SymbolBuilder::CHECK_CAPABILITIES);
    if (!head || !item) {
        delete item;
        if (head)
            nomemory();
        return 1;
    }
    head->append(item);
    return 0;
}

} // namespace

int SymbolBuilder::startRegistration()
{
    return Ctx::startRoot(&KivParser::curSymReg, CHECK_REGISTRATION);
}

int SymbolBuilder::beginSymbolClass(char* name)
{
    int result = Ctx::beginDefinition<SymbolClassDefinition>(name, CHECK_REGISTRATION);
    if (result == 0)
        KivParser::current->curSymbolType = nullptr;
    return result;
}

int SymbolBuilder::endSymbolClass()
{
    return endSymbol(&KivParser::curSymbolClass, CHECK_CLASS);
}

int SymbolBuilder::beginSymbolType(char* className, char* typeName)
{
    SymbolRegistration* reg = Ctx::current(&KivParser::curSymReg, CHECK_REGISTRATION);
    if (!reg) {
        free(className);
        free(typeName);
        return 1;
    }
    SymbolClass* symbolClass = reg->lookupSymbolClass(className);
    if (!symbolClass) {
        symbolClass = reg->newSymbolClass(className);
        if (!symbolClass) {
            free(typeName);
            return 1;
        }
    } else {
        free(className);
    }
    SymbolType* type = Ctx::open<SymbolTypeDefinition>(symbolClass, typeName);
    if (!type)
        return 1;
    KivParser::current->curSymbolClass = nullptr;
    KivParser::current->curSymbolType = type;
    return 0;
}

int SymbolBuilder::endSymbolType()
{
    return endSymbol(&KivParser::curSymbolType, CHECK_TYPE);
}

int SymbolBuilder::scale(int scale)
{
    return onClass([=](SymbolClass* c) { c->setScale(scale); });
}

int SymbolBuilder::arcOrigin(Point* origin)
{
    return pointOnClass(&SymbolClass::setArcOrigin, origin);
}

int SymbolBuilder::arcSize(Point* size)
{
    return pointOnClass(&SymbolClass::setArcSize, size);
}

// ROTATION a sets the start only; the degree keeps its value.
int SymbolBuilder::arcRotation(int angle)
{
    return onClass([=](SymbolClass* c) { c->setArcRotation(angle); });
}

int SymbolBuilder::arcRotationRange(int first, int second)
{
    return onClass([=](SymbolClass* c) { c->setArcRotation(first, second); });
}

int SymbolBuilder::beginSegments()
{
    return Ctx::startFresh(&KivParser::curPoint, CHECK_POINTS);
}

// The points arrive from the last to the first: each goes directly after the
// head, so the list keeps source order.
int SymbolBuilder::segmentPoint(Point* point)
{
    Point* head = Ctx::current(&KivParser::curPoint, CHECK_POINTS);
    if (!head) {
        delete point;
        return 1;
    }
    head->insert(point);
    return 0;
}

// An empty SEGMENT statement stores the head alone: no points.
int SymbolBuilder::endSegments()
{
    SymbolClass* symbolClass = currentClass();
    Point* head = symbolClass ? Ctx::take(&KivParser::curPoint, CHECK_POINTS) : nullptr;
    if (!head)
        return 1;
    symbolClass->setSegments(head);
    return 0;
}

int SymbolBuilder::point(int x, int y, Point** point)
{
    *point = new (std::nothrow) Point(x, y);
    if (!*point) {
        nomemory();
        return 1;
    }
    return 0;
}

void SymbolBuilder::disposePoint(Point* point)
{
    delete point;
}

int SymbolBuilder::variety(int variety)
{
    return onClass([=](SymbolClass* c) { c->setVariety(static_cast<VarietyType>(variety)); });
}

int SymbolBuilder::beginCapabilities()
{
    KivParser* parser = Ctx::parser(CHECK_CAPABILITIES);
    if (!parser)
        return 1;
    SListOps::disposeList(parser->curCapability);
    parser->curCapability = nullptr;
    return 0;
}

int SymbolBuilder::startCapabilityList()
{
    return Ctx::startFresh(&KivParser::curCapability, CHECK_CAPABILITIES);
}

int SymbolBuilder::capability(char* name)
{
    Capability* item = new (std::nothrow) Capability(name);
    if (!item)
        free(name);
    return addCapability(item);
}

int SymbolBuilder::textCapability(char* name, char* value)
{
    Capability* item = new (std::nothrow) Capability(name, value);
    if (!item) {
        free(name);
        free(value);
    }
    return addCapability(item);
}

int SymbolBuilder::integerCapability(char* name, int value)
{
    Capability* item = new (std::nothrow) Capability(name, value);
    if (!item)
        free(name);
    return addCapability(item);
}

// An empty block leaves no list: the symbol's capabilities are cleared.
int SymbolBuilder::endCapabilities()
{
    _Symbol* symbol = target();
    if (!symbol)
        return 1;
    Capability* list = KivParser::current->curCapability;
    KivParser::current->curCapability = nullptr;
    symbol->setCapabilities(list);
    return 0;
}

int SymbolBuilder::defaultStatusSource(int source)
{
    return onSymbol([=](_Symbol* s) { s->setDefaultStatusSource(static_cast<DefaultStatusSourceType>(source)); });
}

int SymbolBuilder::layout(int layout)
{
    return onSymbol([=](_Symbol* s) { s->setLayout(static_cast<LayoutType>(layout)); });
}

int SymbolBuilder::fileBase(char* base)
{
    return textOnSymbol(&_Symbol::setFileBase, base);
}

int SymbolBuilder::cursorSize(int size)
{
    return onSymbol([=](_Symbol* s) { s->setCursorSize(size); });
}

int SymbolBuilder::displayString(char* text)
{
    return textOnSymbol(&_Symbol::setDisplayString, text);
}

int SymbolBuilder::thickness(int thickness)
{
    return onSymbol([=](_Symbol* s) { s->setThickness(thickness); });
}

// Every line statement starts a fresh line: LINESTYLE and LINEDASHPATTERN do
// not combine, the later statement replaces the symbol's line as a whole.
int SymbolBuilder::beginLine()
{
    return Ctx::startFresh(&KivParser::curLine, CHECK_LINE);
}

int SymbolBuilder::lineStyle(int style)
{
    Line* line = Ctx::current(&KivParser::curLine, CHECK_LINE);
    if (!line)
        return 1;
    line->setLineStyle(static_cast<LineStyleType>(style));
    return 0;
}

int SymbolBuilder::dashPattern()
{
    Line* line = Ctx::current(&KivParser::curLine, CHECK_LINE);
    String* dashes = line ? Ctx::take(&KivParser::curDashLength, CHECK_DASHES) : nullptr;
    if (!dashes) {
        GrammarActions::discardDashList();
        return 1;
    }
    line->setDashLenghs(dashes);
    return 0;
}

int SymbolBuilder::endLine()
{
    _Symbol* symbol = target();
    Line* line = symbol ? Ctx::take(&KivParser::curLine, CHECK_LINE) : nullptr;
    if (!line)
        return 1;
    symbol->setLine(line);
    return 0;
}

int SymbolBuilder::discardUnfinished()
{
    KivParser* parser = KivParser::current;
    if (!parser)
        return 0;
    SListOps::disposeList(parser->curPoint);
    parser->curPoint = nullptr;
    SListOps::disposeList(parser->curCapability);
    parser->curCapability = nullptr;
    delete parser->curLine;
    parser->curLine = nullptr;
    return 0;
}

} // namespace kivparser
