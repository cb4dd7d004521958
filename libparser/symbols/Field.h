#ifndef KIVPARSER_SYMBOLS_FIELD_H
#define KIVPARSER_SYMBOLS_FIELD_H

#include "lists/SList.h"

class String;

// The value type of an object-database field.
enum FieldType { FLD_NA = -1, FLD_BOOLEAN = 0, FLD_STRINGTYPE = 1, FLD_ENUMERATION = 2, FLD_INTEGER32 = 3 };

// The bits of a field's flag set, one per keyword of the FLAGS statement.
enum FieldFlagBit {
    FLG_LIST = 1,
    FLG_NAME = 2,
    FLG_LOCATE = 4,
    FLG_GLOBAL = 8,
    FLG_CAPABILITY = 16
};

// One field of the object database. Once its first definition block has
// ended (`locked` non-zero) the setters keep the held values.
class Field final : public SList {
public:
    Field();
    explicit Field(char* name);
    ~Field();

    Field* next() { return static_cast<Field*>(_next); }

    void setFieldType(FieldType type);
    // Replaces the whole bit set.
    void setFieldFlag(unsigned long flags);
    void setFieldEnumerations(String* list);
    void setDisplayString(char* text);

    char* fieldID;
    FieldType fieldType;
    unsigned int fieldFlag;
    String* fieldEnumerations;
    char* displayString;
    int locked;

private:
    void _init();
};

#endif
