#ifndef KIVPARSER_BENCH_LINEARCASES_H
#define KIVPARSER_BENCH_LINEARCASES_H

#include <string>

// The cases whose time must stay linear in the input: one application file
// holding one long token (a comment, a string, a menu item's label, an
// accelerator) or one long skipped #ifdef stretch, each timed against a file
// of ordinary statements of the same size; and a chain of menus (each
// menu's item opens the next) declared from its end, timed against the same
// menus declared from its start. Every case is also timed at a quarter of
// its size: the growth to the full size is 4x when the time is linear, which
// a ratio alone can hide while the input still fits in the processor's cache.
// Each load runs in a fresh process.
class LinearCases {
public:
    struct Options {
        long bytes = 16L << 20; // size of each long file
        long menus = 10000;     // length of the chain
        int repetitions = 3;    // loads per case, fewer when one is long
    };

    // Writes the cases below `dir`, times them and prints the table.
    // False when a file cannot be written or a load fails.
    static bool run(const std::string& dir, const Options& options);
};

#endif
