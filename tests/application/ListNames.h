#ifndef KIVPARSER_TESTS_APPLICATION_LISTNAMES_H
#define KIVPARSER_TESTS_APPLICATION_LISTNAMES_H

#include <string>
#include <vector>

using namespace kivparser;

using Names = std::vector<std::string>;

// The names of the elements behind a list head, in list order ("<null>" for
// an element without a name).
template <class T, class Owner>
std::vector<std::string> namesOf(T* head, char* Owner::*key)
{
    std::vector<std::string> out;
    for (T* item = head ? static_cast<T*>(head->_next) : nullptr; item; item = static_cast<T*>(item->_next))
        out.push_back(item->*key ? item->*key : "<null>");
    return out;
}

#endif
