#ifndef KIVPARSER_BENCH_SHUFFLEDAPPLICATIONS_H
#define KIVPARSER_BENCH_SHUFFLEDAPPLICATIONS_H

#include <string>

// Applications whose files come in another order than their names
// (SyntheticInstallation::writeShuffled): files are read in name order, and
// entries of equal precedence in shared lists are kept in the order of their
// applications' names, so almost every entry goes somewhere inside a long
// run of equal keys instead of at its end, as it does when the names come in
// file order.
//
// The case is written at two sizes (5,000 and 40,000 files by default) and,
// as a reference, with the names in file order at both; each is loaded by
// loadArf in a fresh process, and the least CPU time of the loads counts (a
// load slowed down by other work on the machine only ever takes longer). The
// time of the shuffled names must grow with the files: from the smaller to
// the larger size at most 10 % above their ratio (8.8x for 8 times the
// files).
class ShuffledApplications {
public:
    struct Options {
        long files = 5000;       // the smaller size
        int times = 8;           // the larger size is this many times the smaller
        int repetitions = 3;     // loads per size
        double allowance = 1.10; // the growth allowed over the ratio of the sizes
    };

    // Writes the cases below `dir`, times them and prints the table. False
    // when a file cannot be written, a load fails or the growth is above the
    // allowance.
    static bool run(const std::string& dir, const Options& options);
};

#endif
