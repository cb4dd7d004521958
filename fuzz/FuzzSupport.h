#ifndef KIVPARSER_FUZZ_FUZZSUPPORT_H
#define KIVPARSER_FUZZ_FUZZSUPPORT_H

#include <cstddef>
#include <cstdint>

class ApplicationRegistration;
class SymbolRegistration;
class FieldRegistration;
class SnmppvReg;

// What the registration targets share: a scratch file that each input is
// written to (the parser reads files by path), standard output sent to
// /dev/null (the dumps and verbose diagnostics are produced, then discarded),
// and the dump, fold and release of whatever roots a parse produced.
class FuzzSupport {
public:
    // Once per process: discards standard output, clears the trace switch
    // and makes the scratch file.
    static void setUp();
    // Writes `data` to the scratch file (replacing what it held) and
    // returns its path, or null when it cannot be written.
    static char* scratchFile(const uint8_t* data, size_t size);

    struct Roots {
        ApplicationRegistration* arf = nullptr;
        SymbolRegistration* srf = nullptr;
        FieldRegistration* frf = nullptr;
        SnmppvReg* pvrf = nullptr;
    };
    // Parses `data` as one registration file into `roots` (null roots are
    // created by the parse when the file needs them).
    static void parseInto(Roots& roots, const uint8_t* data, size_t size);
    // Dumps every root, folds single-action menus, dumps again, and destroys
    // everything.
    static void dumpFoldAndRelease(Roots& roots);
};

#endif
