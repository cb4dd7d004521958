// Arbitrary bytes as one registration file of whatever kind its first token
// selects, parsed into fresh roots, dumped (as text and as JSON, which must
// be valid), folded and released.
#include "FuzzSupport.h"
#include "support/RegistrationRun.h"

using namespace kivparser;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string file = FuzzSupport::scratchFile(0, data, size);
    if (!file.empty())
        RegistrationRun::parseDumpFold(file);
    return 0;
}
