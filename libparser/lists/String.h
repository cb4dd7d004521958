#ifndef KIVPARSER_LISTS_STRING_H
#define KIVPARSER_LISTS_STRING_H

#include "lists/SList.h"

enum ValType { V_STR = 0, V_INT = 1 };

// One value of a value list (description lines, accesses, dash lengths...).
// The list head holds no value; readers start at the head's successor.
class String final : public SList {
public:
    String();
    explicit String(char* s);
    explicit String(int n);
    ~String();

    void addNewData(char* s);
    void addNewData(int n);
    void addNewString(char* s);
    bool isInteger() { return type == V_INT; }

    String* next() { return static_cast<String*>(_next); }

    ValType type;
    union {
        char* str;
        int integer;
    };
};

#endif
