#ifndef KIVPARSER_BENCH_PASSES_H
#define KIVPARSER_BENCH_PASSES_H

#include <string>
#include <vector>

// What the benchmark measures: one pass of some kind over the files of an
// installation written by SyntheticInstallation (or any directory laid out
// the same way). This is the only part of the benchmark that uses the
// library.
enum PassKind {
    PASS_READ,  // read() of every registration file: what the input costs
    PASS_BOUND, // the bound scanner (flex over the library's own patterns, see
                // boundlex.cpp) over every registration file
    PASS_SCAN,  // the library's scanner alone over every registration file
    PASS_ARF,   // loadArf on registration/
    PASS_SRF,   // loadSrf on symbols/
    PASS_FRF,   // loadFrf on fields/
    PASS_FULL,  // the three loads one after the other, all three results kept
    PASS_PEER,  // libconfig's config_read_file on peer.cfg
};
const std::vector<PassKind>& allPassKinds();
const char* passName(PassKind kind);
bool passFromName(const std::string& name, PassKind* kind);

// An installation as found on disk.
struct Installation {
    std::string root;
    std::vector<std::string> files; // every registration file, in order
    long arfBytes = 0, srfBytes = 0, frfBytes = 0, peerBytes = 0;

    // Lists root/registration/C, root/symbols/C, root/fields/C and
    // root/peer.cfg (missing ones count as empty).
    static Installation find(const std::string& root);
    // The input bytes that a pass of `kind` reads.
    long bytes(PassKind kind) const;
};

// One pass over an installation. What run() builds stays alive until
// destroy() (or the destructor), so that its destruction can be timed apart.
class Pass {
public:
    Pass(PassKind kind, const Installation& installation);
    ~Pass();
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

    // False when the pass failed: a loader returned nothing, a file could not
    // be read.
    bool run();
    void destroy();

private:
    struct Built;
    PassKind kind;
    const Installation& installation;
    Built* built;
};

// Runs the scanner-only pass against the library's TokenScan over every file:
// the number of tokens must agree. Prints the first file that disagrees.
bool scanAgreesWithTokenScan(const Installation& installation);

// The versions of what is measured, for the summary: "glibc 2.36, libconfig 1.5".
std::string libraryVersions();

#endif
