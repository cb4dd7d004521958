#include "kivparser/symbols/FieldRegistration.h"
#include "lists/SListOps.h"
#include "kivparser/symbols/Field.h"
#include "symbols/NamedList.h"
#include "language/SourceMap.h"

namespace kivparser {

FieldRegistration::FieldRegistration() : SList(), fields(nullptr) {}

FieldRegistration::~FieldRegistration()
{
    SourceMap::release(this);
    SListOps::disposeList(fields);
}

Field* FieldRegistration::lookupField(const char* name)
{
    return SListOps::lookup(fields, &Field::fieldID, name);
}

Field* FieldRegistration::newField(char* name)
{
    return NamedList::appendNew(fields, name);
}

} // namespace kivparser
