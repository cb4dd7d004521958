#ifndef KIVPARSER_LISTS_ORDERTREE_H
#define KIVPARSER_LISTS_ORDERTREE_H

#include "application/ApplicationKey.h"
#include "lists/WorkStack.h"

#include <cstdint>

namespace kivparser {

class SList;

// The elements of one sorted list as a balanced search tree in list order,
// so that the place of a new element is found with a logarithmic number of
// comparisons instead of a walk, and the element before a given one without
// a walk either. Each node keeps the element's key (its precedence and its
// application's rank and name), so that a search reads the nodes alone and
// not the elements and applications spread over the heap. A search is
// steered by the caller's predicate over the keys; the tree does not check
// that the list is sorted by them.
//
// A randomised tree (a treap: each node draws a weight, and no node weighs
// more than its parent); the weights come from a fixed generator, so the
// same operations always give the same shape. Nodes are numbered, 0 meaning
// none, and live in one array: the tree costs 48 bytes per element and no
// allocation per element. Adding a node is the only operation that needs
// memory; it says 0 when there is none, and the tree is then unchanged.
class OrderTree final {
public:
    typedef uint32_t Node;

    // The key of an element, kept in its node; the caller takes it from the
    // element when the node is made.
    struct Key {
        int precedence;
        ApplicationKey application;
    };

    OrderTree() = default;

    bool empty() const { return root == 0; }
    SList* element(Node node) { return nodes[node].element; }

    // Drops every node (the memory is kept for the next use).
    void clear();

    // Adds `element` with its key right behind the element of `at` (at the
    // front for 0).
    Node insertAfter(Node at, SList* element, const Key& key);
    // Adds `element` behind every other one.
    Node append(SList* element, const Key& key) { return insertAfter(lastNode, element, key); }
    void erase(Node node);

    // The node before `node` in list order, 0 for the first.
    Node previous(Node node);

    // The last node whose key `after` holds for, where `after` holds for a
    // first stretch of the elements and not for the rest (0 when it holds
    // for none).
    template <class After>
    Node lastWhere(After after)
    {
        Node found = 0;
        for (Node node = root; node;) {
            if (after(nodes[node].key)) {
                found = node;
                node = nodes[node].right;
            } else {
                node = nodes[node].left;
            }
        }
        return found;
    }

private:
    struct Entry {
        SList* element;
        Key key;
        Node left, right, parent; // a free node keeps the next free one in parent
        uint32_t weight;
    };

    Node allocate(SList* element, const Key& key);
    void rotateUp(Node node);
    Node& link(Node parent, Node child);

    WorkStack<Entry> nodes; // nodes[0] stands for "none" and is never used
    Node root = 0;
    Node lastNode = 0;      // the last node in list order
    Node freeNodes = 0;
    uint32_t seed = 0x9e3779b9u;

    OrderTree(const OrderTree&) = delete;
    OrderTree& operator=(const OrderTree&) = delete;
};

} // namespace kivparser

#endif
