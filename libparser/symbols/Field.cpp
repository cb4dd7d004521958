#include "symbols/Field.h"
#include "lists/SListOps.h"
#include "lists/String.h"

#include <cstdlib>

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
    if (!locked)
        fieldType = type;
}

void Field::setFieldFlag(unsigned long flags)
{
    if (!locked)
        fieldFlag = static_cast<unsigned int>(flags);
}

void Field::setFieldEnumerations(String* list)
{
    SListOps::setList(locked, fieldEnumerations, list);
}

void Field::setDisplayString(char* text)
{
    SListOps::setText(locked, displayString, text);
}
