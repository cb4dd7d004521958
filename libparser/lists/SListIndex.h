#ifndef KIVPARSER_LISTS_SLISTINDEX_H
#define KIVPARSER_LISTS_SLISTINDEX_H

#include <cstddef>

namespace kivparser {

class SList;
class PSList;
class Application;

// Indexes over long lists, so that a lookup by name and the placing of an
// element in a sorted list stay cheap however long a list grows (a
// registration-wide list holds one element per application, a shared menu
// bar the entries of every application), with exactly the results of the
// plain walks.
//
// A list gets an index only after a walk over it went past MIN_LENGTH
// elements; short lists are walked as they always were. The list primitives
// (SList::insert, append, pullaway and the destructor) keep every index up to
// date; where an index cannot follow a change it is dropped and rebuilt by the
// next long walk.
//  - Names: the first element of each name, in chain order. A hit is checked
//    against the element's current name before it is returned.
//  - Order (heads of order PSLprecedence or PSLpriority): the last element of
//    each precedence 0 to 100. A new element's walk starts behind the
//    elements that the walk from the head would pass anyway: the list is
//    sorted (it is checked when the index is built) and the ordering of
//    applications is transitive, so the insertion point is the same.
//
// Name fields are changed in place by the library in two places (a list that
// takes a new name from a duplicate list item, a folded menu entry); both call
// renamed(). A host program that writes a name field itself and then parses
// more files into the same registration must do the same.
class SListIndex final {
public:
    enum { MIN_LENGTH = 32, MAX_PRECEDENCE = 100 };

    // First element of the chain starting at `head` (the head included) whose
    // name equals `name`; the name of an element is the text pointer at byte
    // `offset` from the element's SList part. Elements with a null name are
    // passed over.
    static SList* lookup(SList* head, std::ptrdiff_t offset, const char* name);

    // For PSList::add: the element behind which the walk for a new element of
    // precedence `precedence` and application `app` may start (the head when
    // the list has no usable index).
    static PSList* sortedStart(PSList* head, int precedence, Application* app, int usePriority);
    // For PSList::add, after the new element was linked: `cursor` is the
    // element the walk stopped at (null at the end), `steps` the number of
    // elements it went over.
    static void placed(PSList* head, PSList* item, int precedence, PSList* cursor, int steps);

    // Hooks of the list primitives: `item` now stands directly after `at`;
    // `item` was unlinked from behind `before`; `element` is being destroyed.
    static void linked(SList* at, SList* item);
    static void unlinked(SList* before, SList* item);
    static void destroyed(SList* element);
    // A name field of `element` was given a new value in place.
    static void renamed(SList* element);

    // Non-zero while any index exists; the hooks cost nothing before.
    static bool active;
    // Set by PSList::add while it links an element at its sorted place.
    static bool sortedLink;
};

} // namespace kivparser

#endif
