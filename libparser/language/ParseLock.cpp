#include "language/ParseLock.h"

#include <mutex>

namespace kivparser {

namespace {

// Made on first use and never destroyed: hosts may still call in while the
// process's static objects are being torn down.
std::recursive_mutex& parseMutex()
{
    static std::recursive_mutex* mutex = new std::recursive_mutex();
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
