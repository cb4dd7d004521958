#include "kivparser/lists/String.h"
#include "kivparser/language/ParserErr.h"

#include <cstdlib>
#include <new>

namespace kivparser {

String::String() : SList(), type(V_STR), str(nullptr) {}

String::String(char* s) : SList(), type(V_STR), str(s) {}

String::String(int n) : SList(), type(V_INT), integer(n) {}

String::~String()
{
    if (type == V_STR)
        free(str);
}

void String::addNewData(char* s)
{
    String* item = new (std::nothrow) String(s);
    if (!item) {
        free(s);
        nomemory();
        return;
    }
    insert(item);
}

void String::addNewData(int n)
{
    String* item = new (std::nothrow) String(n);
    if (!item) {
        nomemory();
        return;
    }
    insert(item);
}

void String::addNewString(char* s)
{
    addNewData(s);
}

} // namespace kivparser
