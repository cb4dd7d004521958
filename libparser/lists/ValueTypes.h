#ifndef KIVPARSER_LISTS_VALUETYPES_H
#define KIVPARSER_LISTS_VALUETYPES_H

// Value kinds shared by several model classes. Every enumeration of the model
// has a member ending in _NA, of value -1: the statement was not given.

// The value of on/off statements.
enum OnOffType { OOF_NA = -1, OOF_OFF = 0, OOF_ON = 1 };

// The kind of a default value or of a capability value.
enum ValueType { VLU_NA = -1, VLU_INTEGER = 0, VLU_STRING = 1 };

#endif
