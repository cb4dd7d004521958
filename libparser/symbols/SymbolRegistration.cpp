#include "kivparser/symbols/SymbolRegistration.h"
#include "lists/SListOps.h"
#include "symbols/NamedList.h"
#include "kivparser/symbols/SymbolClass.h"
#include "language/SourceMap.h"

namespace kivparser {

SymbolRegistration::SymbolRegistration() : SList(), symbolClasses(nullptr) {}

SymbolRegistration::~SymbolRegistration()
{
    SourceMap::release(this);
    SListOps::disposeList(symbolClasses);
}

SymbolClass* SymbolRegistration::lookupSymbolClass(const char* name)
{
    return SListOps::lookup(symbolClasses, &SymbolClass::symbolID, name);
}

SymbolClass* SymbolRegistration::newSymbolClass(char* name)
{
    return NamedList::appendNew(symbolClasses, name);
}

} // namespace kivparser
