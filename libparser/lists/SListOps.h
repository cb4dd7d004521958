// Private: included by the model classes and builders of the application and symbols folders, the language folder, and their tests.
#ifndef KIVPARSER_LISTS_SLISTOPS_H
#define KIVPARSER_LISTS_SLISTOPS_H

#include "kivparser/language/ParserErr.h"
#include "lists/SListIndex.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace kivparser {

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
    // Long lists are looked up through an index with the same result
    // (SListIndex).
    template <class T, class Owner>
    static T* lookup(T* head, char* Owner::*key, const char* name)
    {
        if (!head || !name)
            return nullptr;
        SList* base = head;
        std::ptrdiff_t offset = reinterpret_cast<char*>(&(head->*key)) - reinterpret_cast<char*>(base);
        return static_cast<T*>(SListIndex::lookup(base, offset, name));
    }

    // The `ref` rule: the head of a list, created (default-constructed) on
    // first use; null after nomemory.
    template <class T>
    static T* refHead(T*& head)
    {
        if (!head) {
            head = new (std::nothrow) T();
            if (!head)
                nomemory();
        }
        return head;
    }

    // The `new` rule: constructs `T(arg)` (which takes a name over) and links
    // it through the head (created on first use), whose append decides the
    // place. No duplicate check. On allocation failure: nomemory, a text
    // argument is released, null.
    template <class T, class Arg>
    static T* newElement(T*& head, Arg arg)
    {
        T* item = refHead(head) ? new (std::nothrow) T(arg) : nullptr;
        if (!item) {
            if (head)
                nomemory();
            if constexpr (std::is_same_v<Arg, char*>)
                free(arg);
            return nullptr;
        }
        head->append(item);
        return item;
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

    // Plain values (numbers, enumerations, pointers the owner does not own):
    // stored only while the owner is unlocked; nothing to dispose of.
    template <class T, class V>
    static void setValue(int locked, T& field, V value)
    {
        if (!locked)
            field = value;
    }
};

} // namespace kivparser

#endif
