// Private: included by the lists folder and the walks of the application folder.
#ifndef KIVPARSER_LISTS_WORKSTACK_H
#define KIVPARSER_LISTS_WORKSTACK_H

#include <cstddef>
#include <cstdlib>
#include <type_traits>

#include "kivparser/language/ParserErr.h"

namespace kivparser {

// The stack of a walk whose depth follows the input (a rule of a million
// terms, a chain of a hundred thousand menus): kept on the heap instead of
// in nested calls, so that no input can exhaust the thread's stack. push()
// says false when no memory is left (and reports it); the walk then stops
// going deeper.
template <class T>
class WorkStack {
    static_assert(std::is_trivially_copyable<T>::value, "plain values only");

public:
    WorkStack() = default;
    ~WorkStack() { free(storage); }
    WorkStack(const WorkStack&) = delete;
    WorkStack& operator=(const WorkStack&) = delete;

    bool push(const T& value)
    {
        if (count == allocated) {
            size_t capacity = allocated ? allocated * 2 : 64;
            T* items = static_cast<T*>(realloc(static_cast<void*>(storage), capacity * sizeof(T)));
            if (!items) {
                nomemory();
                return false;
            }
            storage = items;
            allocated = capacity;
        }
        storage[count++] = value;
        return true;
    }
    T& top() { return storage[count - 1]; }
    void pop() { --count; }
    void clear() { count = 0; } // keeps the memory
    bool empty() const { return count == 0; }
    size_t size() const { return count; }
    T& operator[](size_t at) { return storage[at]; }
    T* begin() { return storage; }
    T* end() { return storage + count; }

private:
    T* storage = nullptr;
    size_t count = 0;
    size_t allocated = 0;
};

} // namespace kivparser

#endif
