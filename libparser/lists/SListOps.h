#ifndef KIVPARSER_LISTS_SLISTOPS_H
#define KIVPARSER_LISTS_SLISTOPS_H

#include <cstdlib>
#include <cstring>

// The rules every model class shares, written once:
//  - disposing of an owned list (successors first, then the head);
//  - looking an element up by a name field (exact, case-sensitive; elements
//    with a null name, such as list heads, are skipped);
//  - the locked setter: while the owner is locked the held value stays and the
//    new one is disposed of; otherwise the old value is disposed of and the new
//    one stored.
class SListOps {
public:
    // Destroys every element behind `head`, then the head. `T` must be the
    // concrete type of the elements.
    template <class T>
    static void disposeList(T* head)
    {
        if (!head)
            return;
        T* item = static_cast<T*>(head->_next);
        while (item) {
            T* following = static_cast<T*>(item->_next);
            delete item;
            item = following;
        }
        delete head;
    }

    // First element of the chain starting at `head` (the head included) whose
    // name field `key` equals `name`.
    template <class T, class Owner>
    static T* lookup(T* head, char* Owner::*key, const char* name)
    {
        if (!name)
            return nullptr;
        for (T* item = head; item; item = static_cast<T*>(item->_next)) {
            const char* itemName = item->*key;
            if (itemName && strcmp(itemName, name) == 0)
                return item;
        }
        return nullptr;
    }

    // The locked-setter rule, with the way the value is disposed of.
    template <class T, class Dispose>
    static void lockedSet(int locked, T*& field, T* value, Dispose dispose)
    {
        if (locked) {
            if (value && value != field)
                dispose(value);
            return;
        }
        if (field && field != value)
            dispose(field);
        field = value;
    }

    static void setText(int locked, char*& field, char* value)
    {
        lockedSet(locked, field, value, [](char* text) { free(text); });
    }

    template <class T>
    static void setList(int locked, T*& field, T* value)
    {
        lockedSet(locked, field, value, [](T* list) { disposeList(list); });
    }

    template <class T>
    static void setObject(int locked, T*& field, T* value)
    {
        lockedSet(locked, field, value, [](T* object) { delete object; });
    }
};

#endif
