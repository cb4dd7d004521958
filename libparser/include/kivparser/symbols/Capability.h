#ifndef KIVPARSER_SYMBOLS_CAPABILITY_H
#define KIVPARSER_SYMBOLS_CAPABILITY_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>
#include <kivparser/lists/ValueTypes.h>

namespace kivparser {

// One capability of a symbol: a field name with no value, a text or an
// integer. The value slot is read according to `valueType`.
class KIVPARSER_API Capability final : public SList {
public:
    Capability();
    explicit Capability(char* name);
    Capability(char* name, char* value);
    Capability(char* name, int value);
    ~Capability();

    Capability* next() { return static_cast<Capability*>(_next); }

    char* fieldName;
    ValueType valueType;
    union {
        int value_integer;
        char* value_string;
    };
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Capability;
#endif

#endif
