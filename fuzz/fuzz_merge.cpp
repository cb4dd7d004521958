// Two registration files parsed in turn into the same roots, as a loader
// does, so that the rules that merge definitions across files meet
// arbitrary input. The input holds the first file, a line "%%" and the second
// file; without that line it is cut in the middle.
#include "FuzzSupport.h"
#include "support/RegistrationRun.h"

#include <cstring>

using namespace kivparser;

namespace {
const char separator[] = "\n%%\n";

size_t splitPoint(const uint8_t* data, size_t size, size_t* secondStart)
{
    const size_t n = sizeof separator - 1;
    for (size_t i = 0; i + n <= size; ++i) {
        if (memcmp(data + i, separator, n) == 0) {
            *secondStart = i + n;
            return i;
        }
    }
    *secondStart = size / 2;
    return size / 2;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t second;
    size_t first = splitPoint(data, size, &second);
    std::string one = FuzzSupport::scratchFile(0, data, first);
    std::string two = FuzzSupport::scratchFile(1, data + second, size - second);
    if (!one.empty() && !two.empty())
        RegistrationRun::parseDumpFold(one, two);
    return 0;
}
