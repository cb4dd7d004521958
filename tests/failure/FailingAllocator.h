#ifndef KIVPARSER_TESTS_FAILURE_FAILINGALLOCATOR_H
#define KIVPARSER_TESTS_FAILURE_FAILINGALLOCATOR_H

// For the allocation-failure programs only: linked into a program, it takes
// the place of the C library's malloc family for the whole process (operator
// new, strdup and the C library's own allocations included), counts the
// blocks that are alive, and can make one chosen allocation fail.

namespace failing {

// From now on allocations are counted; the `nth` of them (1 for the next
// one) returns null with ENOMEM. 0 counts without failing.
void arm(long nth);
// Stops counting; returns how many allocations were asked for since arm().
long disarm();
// Whether the chosen allocation has failed since arm().
bool failed();
// Blocks allocated and not yet released, over the whole process.
long liveBlocks();
// Blocks allocated while counting minus blocks released while counting,
// since arm(): what the code run while counting kept.
long countedBalance();

// Counting goes on across several arm()/disarm() pairs, as one sequence:
// pause() stops counting without ending it, resume() goes on.
void pause();
void resume();

} // namespace failing

#endif
