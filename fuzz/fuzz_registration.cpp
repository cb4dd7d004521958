// Arbitrary bytes as one registration file of whatever kind its first token
// selects, parsed into fresh roots, dumped, folded and released.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::Roots roots;
    FuzzSupport::parseInto(roots, data, size);
    FuzzSupport::dumpFoldAndRelease(roots);
    return 0;
}
