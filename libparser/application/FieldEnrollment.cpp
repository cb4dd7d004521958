#include "kivparser/application/FieldEnrollment.h"
#include "lists/SListOps.h"

#include <cstdlib>

namespace kivparser {

FieldEnrollment::FieldEnrollment() : SList()
{
    _init();
}

FieldEnrollment::FieldEnrollment(char* name) : SList()
{
    _init();
    fieldEnrollName = name;
}

void FieldEnrollment::_init()
{
    fieldEnrollName = nullptr;
    noDisplay = OOF_NA;
    immediateVerify = OOF_NA;
    fieldLabel = nullptr;
    geometryX = -1;
    geometryY = -1;
    geometryWidth = -1;
    geometryHeight = -1;
    editPolicy = EDP_NA;
    listDisplayPolicy = LDP_NA;
    listSelectionPolicy = LSP_NA;
    integerDisplayPolicy = IDP_NA;
    editPosition = -1;
    defaultValueType = VLU_NA;
    defaultValue.defaultValue_string = nullptr;
}

FieldEnrollment::~FieldEnrollment()
{
    free(fieldEnrollName);
    free(fieldLabel);
    releaseDefault();
}

void FieldEnrollment::releaseDefault()
{
    if (defaultValueType == VLU_STRING)
        free(defaultValue.defaultValue_string);
    defaultValue.defaultValue_string = nullptr;
}

void FieldEnrollment::setFieldLabel(char* label)
{
    SListOps::setText(0, fieldLabel, label);
}

void FieldEnrollment::setGeometry(int x, int y)
{
    setGeometry(x, y, -1, -1);
}

void FieldEnrollment::setGeometry(int x, int y, int width, int height)
{
    geometryX = x;
    geometryY = y;
    geometryWidth = width;
    geometryHeight = height;
}

void FieldEnrollment::setDefaultValue(char* value)
{
    // The same text given again must not be released under our feet.
    if (defaultValueType == VLU_STRING && defaultValue.defaultValue_string == value)
        return;
    releaseDefault();
    defaultValueType = VLU_STRING;
    defaultValue.defaultValue_string = value;
}

void FieldEnrollment::setDefaultValue(int value)
{
    releaseDefault();
    defaultValueType = VLU_INTEGER;
    defaultValue.defaultValue_integer = value;
}

} // namespace kivparser
