#include "failure/FailingAllocator.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <cstdlib>
#include <execinfo.h>
#include <unistd.h>

// The C library's own allocator, under the names it exports besides the
// public ones.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<long> live{0};
std::atomic<bool> counting{false};
std::atomic<long> seen{0};
std::atomic<long> target{0};
std::atomic<bool> hit{false};
bool tracing = false;
// Blocks allocated minus blocks released while counting.
std::atomic<long> balance{0};

// True when this allocation is to fail.
bool chosen()
{
    if (!counting.load(std::memory_order_relaxed))
        return false;
    long n = seen.fetch_add(1, std::memory_order_relaxed) + 1;
    if (n != target.load(std::memory_order_relaxed))
        return false;
    hit.store(true, std::memory_order_relaxed);
    // KIVPARSER_SWEEP_TRACE set: where the failing allocation was asked for,
    // on standard error (without allocating: the trace is primed in arm()).
    if (tracing) {
        void* frames[32];
        int depth = backtrace(frames, 32);
        backtrace_symbols_fd(frames, depth, 2);
        write(2, "--\n", 3);
    }
    errno = ENOMEM;
    return true;
}

void* counted(void* block)
{
    if (block) {
        live.fetch_add(1, std::memory_order_relaxed);
        if (counting.load(std::memory_order_relaxed))
            balance.fetch_add(1, std::memory_order_relaxed);
    }
    return block;
}

} // namespace

namespace failing {

void arm(long nth)
{
    static bool primed = false;
    if (!primed) {
        primed = true;
        tracing = std::getenv("KIVPARSER_SWEEP_TRACE") != nullptr;
        void* frame[1];
        backtrace(frame, 1);
    }
    seen = 0;
    hit = false;
    balance = 0;
    target = nth;
    counting = true;
}

long disarm()
{
    counting = false;
    return seen;
}

bool failed()
{
    return hit;
}

long liveBlocks()
{
    return live;
}

long countedBalance()
{
    return balance;
}

void pause()
{
    counting = false;
}

void resume()
{
    counting = true;
}

} // namespace failing

extern "C" {

void free(void* block);

void* malloc(size_t size)
{
    return chosen() ? nullptr : counted(__libc_malloc(size));
}

void* calloc(size_t count, size_t size)
{
    return chosen() ? nullptr : counted(__libc_calloc(count, size));
}

void* realloc(void* block, size_t size)
{
    if (!block)
        return malloc(size);
    if (size == 0) {
        free(block);
        return nullptr;
    }
    // A failed realloc leaves the block as it was.
    return chosen() ? nullptr : __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size)
{
    return chosen() ? nullptr : counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(size_t alignment, size_t size)
{
    return memalign(alignment, size);
}

int posix_memalign(void** result, size_t alignment, size_t size)
{
    void* block = memalign(alignment, size);
    if (!block)
        return ENOMEM;
    *result = block;
    return 0;
}

void* valloc(size_t size)
{
    return memalign(4096, size);
}

void free(void* block)
{
    if (!block)
        return;
    live.fetch_sub(1, std::memory_order_relaxed);
    if (counting.load(std::memory_order_relaxed))
        balance.fetch_sub(1, std::memory_order_relaxed);
    __libc_free(block);
}

} // extern "C"
