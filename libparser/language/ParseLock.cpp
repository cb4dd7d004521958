#include "language/ParseLock.h"

#include <mutex>
#include <new>

namespace kivparser {

namespace {

// The mutex lives in static storage of its own: making it allocates nothing
// (so the first entry point cannot fail for want of memory), and it is never
// destroyed (hosts may still call in while the process's static objects are
// being torn down).
std::recursive_mutex& parseMutex()
{
    alignas(std::recursive_mutex) static unsigned char storage[sizeof(std::recursive_mutex)];
    static std::recursive_mutex* mutex = ::new (static_cast<void*>(storage)) std::recursive_mutex();
    return *mutex;
}

} // namespace

ParseLock::ParseLock()
{
    parseMutex().lock();
}

ParseLock::~ParseLock()
{
    parseMutex().unlock();
}

} // namespace kivparser
