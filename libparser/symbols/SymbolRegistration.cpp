#include "symbols/SymbolRegistration.h"
#include "lists/SListOps.h"
#include "symbols/NamedList.h"
#include "symbols/SymbolClass.h"

SymbolRegistration::SymbolRegistration() : SList(), symbolClasses(nullptr) {}

SymbolRegistration::~SymbolRegistration()
{
    SListOps::disposeList(symbolClasses);
}

SymbolClass* SymbolRegistration::lookupSymbolClass(char* name)
{
    return SListOps::lookup(symbolClasses, &SymbolClass::symbolID, name);
}

SymbolClass* SymbolRegistration::newSymbolClass(char* name)
{
    return NamedList::appendNew(symbolClasses, name);
}
