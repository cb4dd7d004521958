// Private: included by SList.cpp, Pool.cpp and the tests of the pools.
#ifndef KIVPARSER_LISTS_POOL_H
#define KIVPARSER_LISTS_POOL_H

#include <cstddef>

namespace kivparser {

// The memory of the model's objects (SList's operator new and delete). Blocks
// of one size (in steps of 8 bytes) that were given back are handed out again
// first; new ones are cut in turn from large chunks of pages, so objects made
// one after the other lie side by side and cost no bookkeeping of their own.
// When the last object is destroyed the chunks are cut afresh from their
// start and their pages are handed back to the system, which takes them when
// it needs them. Any thread may allocate and release.
//
// Under AddressSanitizer, in builds with KIVPARSER_PLAIN_ALLOCATION and in a
// process run by valgrind every block is a plain malloc block instead, so
// that the checkers see each object's use and release.
class Pool final {
public:
    // Null when no memory is left.
    static void* allocate(std::size_t size) noexcept;
    // Throws std::bad_alloc when no memory is left.
    static void* allocateOrThrow(std::size_t size);
    // `size` is the size the block was allocated with.
    static void release(void* block, std::size_t size) noexcept;

    // From now on every block is a plain malloc block, as in the builds
    // above: for a checker that watches or fails malloc itself (the
    // allocation-failure tests). Call it before the first object is made.
    static void usePlainBlocks() noexcept;
};

} // namespace kivparser

#endif
