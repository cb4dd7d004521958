#include "kivparser/symbols/Field.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

Field::Field() : SList()
{
    _init();
}

Field::Field(char* name) : SList()
{
    _init();
    fieldID = name;
}

void Field::_init()
{
    fieldID = nullptr;
    fieldType = FLD_NA;
    fieldFlag = 0;
    fieldEnumerations = nullptr;
    displayString = nullptr;
    locked = 0;
}

Field::~Field()
{
    free(fieldID);
    SListOps::disposeList(fieldEnumerations);
    free(displayString);
}

void Field::setFieldType(FieldType type)
{
    SListOps::setValue(locked, fieldType, type);
}

void Field::setFieldFlag(unsigned long flags)
{
    SListOps::setValue(locked, fieldFlag, static_cast<unsigned int>(flags));
}

void Field::setFieldEnumerations(String* list)
{
    SListOps::setList(locked, fieldEnumerations, list);
}

void Field::setDisplayString(char* text)
{
    SListOps::setText(locked, displayString, text);
}

} // namespace kivparser
