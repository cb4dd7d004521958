#include "lists/Pool.h"
#include "platform/KzMemory.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define KIVPARSER_POOL_PLAIN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KIVPARSER_POOL_PLAIN 1
#endif
#endif
#if defined(KIVPARSER_PLAIN_ALLOCATION)
#define KIVPARSER_POOL_PLAIN 1
#endif

#if !defined(KIVPARSER_POOL_PLAIN) && defined(__has_include)
#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#define KIVPARSER_POOL_VALGRIND 1
#endif
#endif

namespace kivparser {

namespace {

enum : std::size_t {
    GRAIN = 8,
    LARGEST = 512, // larger objects (there are none in the model) are malloc blocks
    SIZES = LARGEST / GRAIN + 1,
    CHUNK = 256 << 10, // pages are touched (and count) only once used
    PAGE = 4096,       // the first page of a chunk holds the link to the next
    CHUNK_HEADER = 16, // keeps the blocks 16-byte aligned at the start
};

struct FreeBlock {
    FreeBlock* next;
};

struct Chunk {
    Chunk* next; // the chunk cut after this one
};

// All sizes share one lock: it is held for a few instructions at a time.
struct Pools {
    std::atomic_flag busy = ATOMIC_FLAG_INIT;
    FreeBlock* free[SIZES] = {};
    Chunk* first = nullptr;   // the chunks in the order they are cut
    Chunk* last = nullptr;
    Chunk* current = nullptr; // the chunk being cut
    char* cut = nullptr;      // the rest of it
    char* end = nullptr;
    long live = 0;
};

Pools pools;

class Locked {
public:
    Locked()
    {
        while (pools.busy.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    ~Locked() { pools.busy.clear(std::memory_order_release); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

std::atomic<bool> plainRequested{false};

bool plainBlocks()
{
    if (plainRequested.load(std::memory_order_relaxed))
        return true;
#if defined(KIVPARSER_POOL_PLAIN)
    return true;
#elif defined(KIVPARSER_POOL_VALGRIND)
    static const bool underValgrind = RUNNING_ON_VALGRIND != 0;
    return underValgrind;
#else
    return false;
#endif
}

// Called when no object is left: every chunk is cut afresh from its start,
// in order, so that the next load's objects lie in the order they are made
// (blocks handed back in the order of a release would scatter them), and its
// pages go back to the system, which may keep them in place until it needs
// them.
void startAfresh()
{
    for (FreeBlock*& head : pools.free)
        head = nullptr;
    for (Chunk* chunk = pools.first; chunk; chunk = chunk->next)
        kzReleasePages(reinterpret_cast<char*>(chunk) + PAGE, CHUNK - PAGE);
    pools.current = pools.first;
    pools.cut = pools.current ? reinterpret_cast<char*>(pools.current) + CHUNK_HEADER : nullptr;
    pools.end = pools.current ? reinterpret_cast<char*>(pools.current) + CHUNK : nullptr;
}

void* cutBlock(std::size_t bytes)
{
    if (static_cast<std::size_t>(pools.end - pools.cut) < bytes) {
        Chunk* chunk = pools.current ? pools.current->next : nullptr;
        if (!chunk) {
            chunk = static_cast<Chunk*>(kzMapPages(CHUNK));
            if (!chunk)
                return nullptr;
            chunk->next = nullptr;
            if (pools.last)
                pools.last->next = chunk;
            else
                pools.first = chunk;
            pools.last = chunk;
        }
        pools.current = chunk;
        pools.cut = reinterpret_cast<char*>(chunk) + CHUNK_HEADER;
        pools.end = reinterpret_cast<char*>(chunk) + CHUNK;
    }
    void* block = pools.cut;
    pools.cut += bytes;
    return block;
}

} // namespace

void* Pool::allocate(std::size_t size) noexcept
{
    if (size == 0)
        size = 1;
    if (size > LARGEST || plainBlocks())
        return std::malloc(size);
    std::size_t slot = (size + GRAIN - 1) / GRAIN;
    Locked locked;
    void* block = pools.free[slot];
    if (block)
        pools.free[slot] = pools.free[slot]->next;
    else
        block = cutBlock(slot * GRAIN);
    if (block)
        pools.live++;
    return block;
}

void* Pool::allocateOrThrow(std::size_t size)
{
    void* block = allocate(size);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void Pool::usePlainBlocks() noexcept
{
    plainRequested.store(true, std::memory_order_relaxed);
}

void Pool::release(void* block, std::size_t size) noexcept
{
    if (!block)
        return;
    if (size == 0)
        size = 1;
    if (size > LARGEST || plainBlocks()) {
        std::free(block);
        return;
    }
    std::size_t slot = (size + GRAIN - 1) / GRAIN;
    Locked locked;
    FreeBlock* freed = static_cast<FreeBlock*>(block);
    freed->next = pools.free[slot];
    pools.free[slot] = freed;
    if (--pools.live == 0)
        startAfresh();
}

} // namespace kivparser
