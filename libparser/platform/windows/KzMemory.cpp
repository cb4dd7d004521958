// Pages on Windows: reserved and committed with VirtualAlloc, given back with
// MEM_RESET (the system may drop their contents; the addresses stay usable).
#include "platform/KzMemory.h"

#include <windows.h>

namespace kivparser {

void* kzMapPages(size_t bytes)
{
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void kzReleasePages(void* pages, size_t bytes)
{
    VirtualAlloc(pages, bytes, MEM_RESET, PAGE_READWRITE);
}

} // namespace kivparser
