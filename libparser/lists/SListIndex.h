// Private: included by the lists folder and RemoveSingleActionMenus.cpp, and their tests.
#ifndef KIVPARSER_LISTS_SLISTINDEX_H
#define KIVPARSER_LISTS_SLISTINDEX_H

#include "lists/OpenTable.h"
#include "lists/OrderTree.h"
#include "lists/WorkStack.h"

#include <cstddef>
#include <cstdint>

namespace kivparser {

class SList;
class PSList;
class Application;
class ApplicationOrder;

// Indexes over long lists, so that a lookup by name and the placing of an
// element in a sorted list stay cheap however long a list grows (a
// registration-wide list holds one element per application, a shared menu
// bar the entries of every application), with exactly the results of the
// plain walks.
//
// The indexes belong to one load (see LoadScope): they are made by the walks
// of that load and dropped when it ends. Between two loads nothing is kept,
// so a host may rename, move or reorder elements as it likes; the next load
// starts from the lists as they are then.
//
// Within a load, a list gets an index only after a walk over it went past
// MIN_LENGTH elements; short lists are walked as they always were. The list
// primitives (SList::insert, append, pullaway and the destructor) keep every
// index up to date; where an index cannot follow a change it is dropped and
// made again by the next long walk.
//  - Names: the first element of each name, in chain order, in a table of
//    (hash, element) pairs; a name is compared in full before it counts.
//  - Order (heads of order PSLprecedence or PSLpriority): every element in a
//    search tree in list order (OrderTree), keyed by its precedence, its
//    application's rank and the label of its application's name class
//    (ApplicationOrder), which compare as the walk compares the elements. A
//    new element goes right behind the last element that the walk from the
//    head would pass, found in the tree: the list is sorted (it is checked
//    when the index is made) and the ordering of applications is transitive,
//    so the elements the walk passes are a first stretch of the list and the
//    insertion point is the same. The tree also gives the element before
//    another one, so that taking an element out of a long sorted list needs
//    no walk either. Precedences 0 to 100 are indexed (any other drops the
//    index of its list).
// An index that cannot have the memory it needs is dropped, and the walks
// do without it. Within a load the keys of the elements of a sorted list
// (their precedences, their applications, the applications' names and
// ranks) change only while an element is out of its list.
// The library changes a name field in place during a load in two places (a
// list that takes a new name from a duplicate list item, a cascade's submenu
// that moves); both call renamed().
class SListIndex final {
public:
    enum { MIN_LENGTH = 32, MAX_PRECEDENCE = 100 };

    SListIndex();
    ~SListIndex();

    // The index of the load at work on this thread; null outside a load.
    static SListIndex* atWork();

    // First element of the chain starting at `head` (the head included) whose
    // name equals `name`; the name of an element is the text pointer at byte
    // `offset` from the element's SList part. Elements with a null name are
    // passed over.
    static SList* lookup(SList* head, std::ptrdiff_t offset, const char* name);

    // For PSList::add: the element behind which the walk for a new element of
    // precedence `precedence` and application `app` may start (the head when
    // the list has no usable index). `exact` says that the walk would stop
    // right behind it: the element goes there, no walk needed.
    static PSList* sortedStart(PSList* head, int precedence, Application* app, int usePriority, bool* exact);
    // For PSList::add, around the linking of the new element behind `head`:
    // before it, linking(head); after it, linking(null), or for a sorted list
    // placed() with the number of elements the walk went over.
    static void linking(PSList* head);
    static void placed(PSList* head, int steps);

    // For SList::pullaway: the element before `item` in the list that
    // `head` heads, when an index knows it (null otherwise: walk).
    static SList* before(SList* head, SList* item);

    // A name field of `element` was given a new value in place.
    static void renamed(SList* element);

    // Hooks of the list primitives: `item` now stands directly after `at`
    // in the list of `head` (null when the primitive does not know it);
    // `item` was unlinked from behind `before`; `element` is being destroyed.
    void linked(SList* head, SList* at, SList* item);
    void unlinked(SList* before, SList* item);
    void destroyed(SList* element);

private:
    struct List;

    List* listOf(SList* element);
    List* listFor(SList* head);
    struct Entry;
    static void moved(void* index, void* element, uint32_t leaf);
    bool keyOf(int precedence, Application* app, int usePriority, uint64_t* key);
    bool notBefore(uint64_t key, uint64_t other);
    Entry* enlist(List* list, SList* element, uint32_t hash, bool* wasThere = nullptr);
    void place(List* list, SList* at, SList* item, Entry* entry);
    void forget(List* list);
    void dropNames(List* list);
    void dropOrder(List* list);
    void buildNames(SList* head, std::ptrdiff_t offset);
    void buildOrder(PSList* head);
    SList* find(List* list, const char* name);
    void unname(List* list, SList* element, uint32_t hash);

    SListIndex(const SListIndex&) = delete;
    SListIndex& operator=(const SListIndex&) = delete;

    // Per element of an indexed list (and per indexed head): the list, the
    // hash of the element's name when the list's names are indexed, and its
    // leaf in the list's tree when its order is.
    struct Entry {
        uint32_t list;
        uint32_t hash;
        uint32_t node;
    };
    PointerTable<Entry> headTable;
    PointerTable<Entry> memberTable;
    WorkStack<List*> listTable;
    WorkStack<uint32_t> unusedCount; // numbers of lists forgotten
    PSList* linkingHead;          // set while PSList::add links an element
    // Where sortedStart() placed the element that PSList::add links next.
    PSList* pendingHead;
    SList* pendingAt;
    OrderTree::Place pendingPlace;
    uint64_t pendingKey;
    ApplicationOrder* classes;    // the name classes of the applications; null without memory
};

} // namespace kivparser

#endif
