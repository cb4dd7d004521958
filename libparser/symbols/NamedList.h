// Private: included by the registration and class files of the symbols folder.
#ifndef KIVPARSER_SYMBOLS_NAMEDLIST_H
#define KIVPARSER_SYMBOLS_NAMEDLIST_H

#include "kivparser/language/ParserErr.h"

#include <cstdlib>
#include <new>

namespace kivparser {

// Creation of a named element at the end of an owned list, as the symbol,
// field and CGI registrations do it: the element takes the name over, the
// unnamed head is made with the first element, and an allocation failure is
// reported as out of memory (the name is then released and null returned).
class NamedList {
public:
    template <class T>
    static T* appendNew(T*& head, char* name)
    {
        if (!head) {
            head = new (std::nothrow) T();
            if (!head) {
                free(name);
                nomemory();
                return nullptr;
            }
        }
        T* item = new (std::nothrow) T(name);
        if (!item) {
            free(name);
            nomemory();
            return nullptr;
        }
        head->append(item);
        return item;
    }
};

} // namespace kivparser

#endif
