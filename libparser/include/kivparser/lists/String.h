#ifndef KIVPARSER_LISTS_STRING_H
#define KIVPARSER_LISTS_STRING_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

enum ValType { V_STR = 0, V_INT = 1 };

// One value of a value list (description lines, accesses, dash lengths...).
// The list head holds no value; readers start at the head's successor.
class KIVPARSER_API String final : public SList {
public:
    String();
    explicit String(char* s);
    explicit String(int n);
    ~String();

    void addNewData(char* s);
    void addNewData(int n);
    void addNewString(char* s);
    bool isInteger() const { return type == V_INT; }

    String* next() { return static_cast<String*>(_next); }

    ValType type;
    union {
        char* str;
        int integer;
    };
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ValType;
using kivparser::V_STR;
using kivparser::V_INT;
using kivparser::String;
#endif

#endif
