#include "kivparser/symbols/Capability.h"

#include <cstdlib>

namespace kivparser {

Capability::Capability() : SList(), fieldName(nullptr), valueType(VLU_NA), value_string(nullptr) {}

Capability::Capability(char* name) : SList(), fieldName(name), valueType(VLU_NA), value_string(nullptr) {}

Capability::Capability(char* name, char* value) : SList(), fieldName(name), valueType(VLU_STRING), value_string(value)
{
}

Capability::Capability(char* name, int value) : SList(), fieldName(name), valueType(VLU_INTEGER), value_integer(value)
{
}

Capability::~Capability()
{
    free(fieldName);
    if (valueType == VLU_STRING)
        free(value_string);
}

} // namespace kivparser
