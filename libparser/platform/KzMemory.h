// Private: included by KzMemory.cpp and the pools (lists/Pool.cpp).
#ifndef KIVPARSER_PLATFORM_KZMEMORY_H
#define KIVPARSER_PLATFORM_KZMEMORY_H

#include <cstddef>

namespace kivparser {

// Memory in whole pages straight from the system, for the pools of the
// model's objects: it never fragments the C library's heap. kzMapPages gives
// zero-filled pages (null when none are left); kzReleasePages lets the system
// take the pages' memory back whenever it needs it while the addresses stay
// usable (a page then reads as zeros or as it was). `bytes` and `pages` are
// multiples of the page size.
void* kzMapPages(size_t bytes);
void kzReleasePages(void* pages, size_t bytes);

} // namespace kivparser

#endif
