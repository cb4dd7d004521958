#ifndef KIVPARSER_LISTS_SLIST_H
#define KIVPARSER_LISTS_SLIST_H

#include <kivparser/export.h>

#include <cstddef>
#include <new>

namespace kivparser {

class Application;

// The intrusive list element every object of the model derives from. A list is
// held through its first element (the head); the head's _tail names the last
// element of the chain. There is no virtual destructor: an element is always
// destroyed through its own concrete type, so the destructor is protected here
// and every concrete model class is final.
class KIVPARSER_API SList {
public:
    SList();

    virtual void insert(SList* item);
    virtual void append(SList* item);
    virtual void pullaway(SList* item);
    virtual void remove();

    // Model objects are made with new and destroyed with delete, one at a
    // time, as ever; their memory comes from the library's pools (one per
    // object size), which keep the memory of destroyed objects for new ones.
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* object, std::size_t size) noexcept;

    void initApplication();
    SList* next() { return _next; }
    Application* getApplication() { return _application; }

    SList* _tail;
    SList* _next;
    SList* _base;
    Application* _application;

protected:
    ~SList();
    SList(const SList&) = delete;
    SList& operator=(const SList&) = delete;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::SList;
#endif

#endif
