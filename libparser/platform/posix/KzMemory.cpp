// Pages on POSIX systems: anonymous mappings, given back with madvise.
#include "platform/KzMemory.h"

#include <sys/mman.h>

namespace kivparser {

void* kzMapPages(size_t bytes)
{
    void* pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return pages == MAP_FAILED ? nullptr : pages;
}

void kzReleasePages(void* pages, size_t bytes)
{
#ifdef MADV_FREE
    if (madvise(pages, bytes, MADV_FREE) == 0)
        return;
#endif
    madvise(pages, bytes, MADV_DONTNEED);
}

} // namespace kivparser
