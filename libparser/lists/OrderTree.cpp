#include "lists/OrderTree.h"

namespace kivparser {

void OrderTree::clear()
{
    nodes.clear();
    root = lastNode = freeNodes = 0;
}

OrderTree::Node OrderTree::allocate(SList* element, const Key& key)
{
    // xorshift: a fixed sequence of weights, never 0.
    seed ^= seed << 13;
    seed ^= seed >> 17;
    seed ^= seed << 5;
    Node node = freeNodes;
    if (node) {
        freeNodes = nodes[node].parent;
    } else {
        if (nodes.empty() && !nodes.push(Entry{}))
            return 0;
        if (nodes.size() > UINT32_MAX - 1 || !nodes.push(Entry{}))
            return 0;
        node = static_cast<Node>(nodes.size() - 1);
    }
    nodes[node] = Entry{element, key, 0, 0, 0, seed};
    return node;
}

// The place that holds `child`: a child slot of `parent`, or the root.
OrderTree::Node& OrderTree::link(Node parent, Node child)
{
    return parent ? (nodes[parent].left == child ? nodes[parent].left : nodes[parent].right) : root;
}

// Turns the edge between `node` and its parent, keeping the order: `node`
// takes its parent's place, and the parent becomes its child.
void OrderTree::rotateUp(Node node)
{
    Node parent = nodes[node].parent;
    Node grand = nodes[parent].parent;
    if (nodes[parent].left == node) {
        Node inner = nodes[node].right;
        nodes[parent].left = inner;
        if (inner)
            nodes[inner].parent = parent;
        nodes[node].right = parent;
    } else {
        Node inner = nodes[node].left;
        nodes[parent].right = inner;
        if (inner)
            nodes[inner].parent = parent;
        nodes[node].left = parent;
    }
    link(grand, parent) = node;
    nodes[parent].parent = node;
    nodes[node].parent = grand;
}

OrderTree::Node OrderTree::insertAfter(Node at, SList* element, const Key& key)
{
    Node node = allocate(element, key);
    if (!node)
        return 0;
    if (!root) {
        root = lastNode = node;
        return node;
    }
    // The new node goes at the leftmost place of what follows `at`: as the
    // right child of `at` when it has none, else as the left child of the
    // first node of its right subtree (of the whole tree for the front).
    Node parent = at;
    bool left = false;
    Node below = at ? nodes[at].right : root;
    if (below || !at) {
        left = true;
        for (parent = below; nodes[parent].left;)
            parent = nodes[parent].left;
    }
    (left ? nodes[parent].left : nodes[parent].right) = node;
    nodes[node].parent = parent;
    if (at == lastNode)
        lastNode = node;
    while (nodes[node].parent && nodes[nodes[node].parent].weight < nodes[node].weight)
        rotateUp(node);
    return node;
}

void OrderTree::erase(Node node)
{
    if (node == lastNode)
        lastNode = previous(node);
    // Down to a leaf, turning the heavier child up each time.
    for (;;) {
        Node left = nodes[node].left, right = nodes[node].right;
        if (!left && !right)
            break;
        rotateUp(!right || (left && nodes[left].weight > nodes[right].weight) ? left : right);
    }
    link(nodes[node].parent, node) = 0;
    nodes[node].element = nullptr;
    nodes[node].parent = freeNodes;
    freeNodes = node;
}

OrderTree::Node OrderTree::previous(Node node)
{
    if (Node left = nodes[node].left) {
        while (nodes[left].right)
            left = nodes[left].right;
        return left;
    }
    Node parent = nodes[node].parent;
    while (parent && nodes[parent].left == node) {
        node = parent;
        parent = nodes[node].parent;
    }
    return parent;
}

} // namespace kivparser
