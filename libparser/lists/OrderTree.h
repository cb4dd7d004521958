// Private: included by the lists index (SListIndex, ApplicationOrder) and OrderTree.cpp, and their tests.
#ifndef KIVPARSER_LISTS_ORDERTREE_H
#define KIVPARSER_LISTS_ORDERTREE_H

#include "lists/WorkStack.h"

#include <cstdint>

namespace kivparser {

// A sequence of (key, item) entries in a B+ tree: the place of a new entry
// among sorted ones is found with a logarithmic number of key comparisons,
// an entry is added or taken out with a logarithmic number of steps, and the
// entry before or after another one is at hand. Its nodes are wide (64
// entries, their keys side by side), so a search over tens of thousands of
// entries reads three or four nodes, not the twenty scattered places a
// binary tree of single entries would: what a search costs is mostly the
// memory it reads.
//
// The tree does not order the entries itself: an entry goes where the
// caller puts it, and a search is steered by the caller's predicate over the
// keys, which must hold for a first stretch of the entries and not for the
// rest. The keys are the caller's numbers.
//
// Nodes are numbered (0 is none) and live in one array, so the tree makes
// one allocation now and then, never one per entry. Adding an entry is the
// only operation that needs memory; when there is none it says so and the
// tree is as it was.
class OrderTree final {
public:
    typedef uint32_t Node;
    enum { WIDTH = 64 };

    // The place of an entry: its leaf and its index there. `leaf` 0 is the
    // place before the first entry.
    struct Place {
        Node leaf;
        int at;
        bool valid() const { return leaf != 0; }
    };

    // Told about every entry that moves to another leaf (when a leaf
    // splits): its item and its new leaf.
    typedef void (*Moved)(void* context, void* item, Node leaf);

    OrderTree(Moved moved = nullptr, void* context = nullptr);

    bool empty() const { return count == 0; }
    long size() const { return count; }
    uint64_t key(Place place) { return nodes[place.leaf].keys[place.at]; }
    void* item(Place place) { return reinterpret_cast<void*>(nodes[place.leaf].items[place.at]); }

    // Drops every entry (the memory is kept for the next use).
    void clear();

    // The last entry whose key `after` holds for ({0} when none).
    template <class After>
    Place lastWhere(After after)
    {
        if (!root)
            return Place{0, -1};
        Node node = root;
        while (!nodes[node].leaf) {
            const Data& inner = nodes[node];
            int at = lastIndex(inner, after);
            node = static_cast<Node>(inner.items[at < 0 ? 0 : at]);
        }
        int at = lastIndex(nodes[node], after);
        return at < 0 ? previous(Place{node, 0}) : Place{node, at};
    }

    // Adds an entry right behind `place` (at the front for {0}); its place,
    // or {0} when there was no memory.
    Place insertAfter(Place place, uint64_t key, void* item);
    // Adds an entry behind every other one.
    Place append(uint64_t key, void* item) { return insertAfter(last(), key, item); }
    void erase(Place place);

    // The place of `item` in `leaf` ({0} when it is not there).
    Place find(Node leaf, void* item);
    Place previous(Place place);
    Place next(Place place);
    Place last();

private:
    struct Data {
        Node parent;
        Node before, after; // neighbouring leaves; a free node keeps the next free one in after
        uint16_t used;
        bool leaf;
        uint64_t keys[WIDTH];   // of an inner node: the first key below each child
        uintptr_t items[WIDTH]; // of a leaf: the items; of an inner node: the children
    };

    template <class After>
    static int lastIndex(const Data& node, After after)
    {
        // The predicate holds for a first stretch: binary search.
        int low = 0, high = node.used; // holds below low, fails from high on
        while (low < high) {
            int middle = (low + high) / 2;
            if (after(node.keys[middle]))
                low = middle + 1;
            else
                high = middle;
        }
        return low - 1;
    }

    bool reserve(int nodesNeeded);
    Node allocate(bool leaf);
    void release(Node node);
    int indexIn(Node parent, Node child);
    void firstKeyChanged(Node node);
    void put(Node node, int at, uint64_t key, uintptr_t item);
    Node split(Node node);
    void unlink(Node node);

    WorkStack<Data> nodes; // nodes[0] stands for "none" and is never used
    Node root = 0;
    Node freeNodes = 0;
    int freeCount = 0;
    int height = 0;
    long count = 0;
    Moved moved;
    void* context;

    OrderTree(const OrderTree&) = delete;
    OrderTree& operator=(const OrderTree&) = delete;
};

} // namespace kivparser

#endif
