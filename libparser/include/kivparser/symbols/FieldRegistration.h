#ifndef KIVPARSER_SYMBOLS_FIELDREGISTRATION_H
#define KIVPARSER_SYMBOLS_FIELDREGISTRATION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class Field;

// The root of a field registration: the fields in order of first
// appearance, behind an unnamed head.
class KIVPARSER_API FieldRegistration final : public SList {
public:
    FieldRegistration();
    ~FieldRegistration();

    FieldRegistration* next() { return static_cast<FieldRegistration*>(_next); }

    Field* lookupField(const char* name);
    const Field* lookupField(const char* name) const { return const_cast<FieldRegistration*>(this)->lookupField(name); }
    Field* newField(char* name);

    // Prints every field on standard output.
    void debugDump() const;

    Field* fields;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::FieldRegistration;
#endif

#endif
