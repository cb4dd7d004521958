#ifndef KIVPARSER_PLATFORM_KZMEMORY_H
#define KIVPARSER_PLATFORM_KZMEMORY_H

#include <cstddef>

namespace kivparser {

// Memory in whole pages straight from the system, zero-filled, for the pools
// of the model's objects: pages given back return to the system at once and
// never fragment the C library's heap. Null when none is left; `bytes` is a
// multiple of the page size.
void* kzMapPages(size_t bytes);
void kzUnmapPages(void* pages, size_t bytes);

} // namespace kivparser

#endif
