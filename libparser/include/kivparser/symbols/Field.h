#ifndef KIVPARSER_SYMBOLS_FIELD_H
#define KIVPARSER_SYMBOLS_FIELD_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

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
class KIVPARSER_API Field final : public SList {
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

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::FieldType;
using kivparser::FLD_NA;
using kivparser::FLD_BOOLEAN;
using kivparser::FLD_STRINGTYPE;
using kivparser::FLD_ENUMERATION;
using kivparser::FLD_INTEGER32;
using kivparser::FieldFlagBit;
using kivparser::FLG_LIST;
using kivparser::FLG_NAME;
using kivparser::FLG_LOCATE;
using kivparser::FLG_GLOBAL;
using kivparser::FLG_CAPABILITY;
using kivparser::Field;
#endif

#endif
