#ifndef KIVPARSER_BENCH_MEASURE_H
#define KIVPARSER_BENCH_MEASURE_H

#include "Passes.h"

#include <string>

// CPU time of the whole process, in seconds.
double cpuSeconds();
// Minor page faults of the process so far.
long minorFaults();

// Lets the allocator finish what the last destruction started: glibc merges
// freed blocks when a large request comes, so that the next load would
// otherwise pay for the previous one's destruction.
void settleHeap();

// The figures of one pass.
struct PassFigures {
    double seconds = -1;        // CPU time of the pass
    double destroySeconds = -1; // CPU time of destroying what it built
    long peakBytes = -1;        // resident memory the pass added at its peak
    long minorFaults = -1;      // page faults during the pass
};

// Runs one pass in a fresh process: this program started again with
// "--one-load KIND ROOT", which runs the pass once and prints its figures.
// False when the process failed.
bool passInFreshProcess(PassKind kind, const std::string& root, PassFigures* figures);

// The fresh process's side: runs the pass, prints the figures. Returns the
// exit status.
int oneLoadMain(const char* kind, const char* root);

#endif
