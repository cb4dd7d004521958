// Private: included by the language, application and loading folders and the lists index, and their tests.
#ifndef KIVPARSER_LISTS_LOADSCOPE_H
#define KIVPARSER_LISTS_LOADSCOPE_H

namespace kivparser {

class SListIndex;
class MenuLinks;
struct LoadState;

// What lives as long as one load on one thread: the indexes of long lists
// (SListIndex) and what the cycle test of menu links has learnt (MenuLinks).
// A loader opens a scope for all the files it reads, a parser for its own
// file; a scope opened inside another one adds nothing. Nothing of it
// outlives the outermost scope, and a load on one thread is not seen by any
// other thread.
class LoadScope final {
public:
    LoadScope();
    ~LoadScope();

    // Those of the load at work on this thread; null outside a load (and
    // when there was no memory for them: the plain walks do without).
    static SListIndex* listIndex();
    static MenuLinks* menuLinks();

private:
    LoadState* openedHere; // null for a scope inside another one

    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;
};

} // namespace kivparser

#endif
