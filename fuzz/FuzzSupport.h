#ifndef KIVPARSER_FUZZ_FUZZSUPPORT_H
#define KIVPARSER_FUZZ_FUZZSUPPORT_H

#include <cstddef>
#include <cstdint>
#include <string>

// What the registration targets share: scratch files that the inputs are
// written to (the parser reads files by path). The parse, dump, fold and
// release are those of the regression tests (tests/support/RegistrationRun),
// so that an input the fuzzer found replays there exactly.
class FuzzSupport {
public:
    // Once per process: clears the trace switch, sets the locale named by
    // KIVPARSER_FUZZ_LOCALE if any, and makes the scratch files.
    static void setUp();
    // Writes `data` to scratch file `which` (0 or 1), replacing what it held,
    // and returns its path (empty when it cannot be written).
    static std::string scratchFile(int which, const uint8_t* data, size_t size);
};

#endif
