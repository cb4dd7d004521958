#ifndef KIVPARSER_LISTS_VALUETYPES_H
#define KIVPARSER_LISTS_VALUETYPES_H

#include <kivparser/export.h>
namespace kivparser {

// Value kinds shared by several model classes. Every enumeration of the model
// has a member ending in _NA, of value -1: the statement was not given.

// The value of on/off statements.
enum OnOffType { OOF_NA = -1, OOF_OFF = 0, OOF_ON = 1 };

// The kind of a default value or of a capability value.
enum ValueType { VLU_NA = -1, VLU_INTEGER = 0, VLU_STRING = 1 };

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::OnOffType;
using kivparser::OOF_NA;
using kivparser::OOF_OFF;
using kivparser::OOF_ON;
using kivparser::ValueType;
using kivparser::VLU_NA;
using kivparser::VLU_INTEGER;
using kivparser::VLU_STRING;
#endif

#endif
