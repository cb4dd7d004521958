#ifndef KIVPARSER_LISTS_WORKSTACK_H
#define KIVPARSER_LISTS_WORKSTACK_H

#include <cstddef>
#include <cstdlib>
#include <type_traits>

namespace kivparser {

// The stack of a walk whose depth follows the input (a rule of a million
// terms, a chain of a hundred thousand menus): kept on the heap instead of
// in nested calls, so that no input can exhaust the thread's stack. push()
// says false when no memory is left; the walk then stops going deeper.
template <class T>
class WorkStack {
    static_assert(std::is_trivially_copyable<T>::value, "plain values only");

public:
    WorkStack() = default;
    ~WorkStack() { free(items_); }
    WorkStack(const WorkStack&) = delete;
    WorkStack& operator=(const WorkStack&) = delete;

    bool push(const T& value)
    {
        if (size_ == capacity_) {
            size_t capacity = capacity_ ? capacity_ * 2 : 64;
            T* items = static_cast<T*>(realloc(static_cast<void*>(items_), capacity * sizeof(T)));
            if (!items)
                return false;
            items_ = items;
            capacity_ = capacity;
        }
        items_[size_++] = value;
        return true;
    }
    T& top() { return items_[size_ - 1]; }
    void pop() { --size_; }
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    T& operator[](size_t at) { return items_[at]; }
    T* begin() { return items_; }
    T* end() { return items_ + size_; }

private:
    T* items_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

} // namespace kivparser

#endif
