#include "lists/OrderTree.h"

#include <cstring>

namespace kivparser {

OrderTree::OrderTree(Moved theMoved, void* theContext) : moved(theMoved), context(theContext) {}

void OrderTree::clear()
{
    nodes.clear();
    root = freeNodes = 0;
    freeCount = height = 0;
    count = 0;
}

// Makes sure that `nodesNeeded` nodes can be had without allocating, so that
// an insertion, once begun, cannot fail halfway.
bool OrderTree::reserve(int nodesNeeded)
{
    while (freeCount < nodesNeeded) {
        if (nodes.empty() && !nodes.push(Data{}))
            return false;
        if (nodes.size() >= UINT32_MAX || !nodes.push(Data{}))
            return false;
        Node node = static_cast<Node>(nodes.size() - 1);
        nodes[node].after = freeNodes;
        freeNodes = node;
        ++freeCount;
    }
    return true;
}

OrderTree::Node OrderTree::allocate(bool leaf)
{
    Node node = freeNodes;
    freeNodes = nodes[node].after;
    --freeCount;
    Data& data = nodes[node];
    data.parent = data.before = data.after = 0;
    data.used = 0;
    data.leaf = leaf;
    return node;
}

void OrderTree::release(Node node)
{
    nodes[node].after = freeNodes;
    freeNodes = node;
    ++freeCount;
}

int OrderTree::indexIn(Node parent, Node child)
{
    const Data& data = nodes[parent];
    int at = 0;
    while (data.items[at] != child)
        ++at;
    return at;
}

// The first key of `node` changed: so does the key of every ancestor of
// which it is the first descendant.
void OrderTree::firstKeyChanged(Node node)
{
    for (Node parent = nodes[node].parent; parent; node = parent, parent = nodes[node].parent) {
        int at = indexIn(parent, node);
        nodes[parent].keys[at] = nodes[node].keys[0];
        if (at != 0)
            break;
    }
}

void OrderTree::put(Node node, int at, uint64_t key, uintptr_t item)
{
    Data& data = nodes[node];
    int behind = data.used - at;
    memmove(&data.keys[at + 1], &data.keys[at], behind * sizeof data.keys[0]);
    memmove(&data.items[at + 1], &data.items[at], behind * sizeof data.items[0]);
    data.keys[at] = key;
    data.items[at] = item;
    ++data.used;
    if (!data.leaf)
        nodes[static_cast<Node>(item)].parent = node;
}

// Moves the upper half of the full `node` into a new node behind it, which
// the parent (split in turn when full, or made anew above the root) takes
// in; the new node.
OrderTree::Node OrderTree::split(Node node)
{
    Node right = allocate(nodes[node].leaf);
    Data& left = nodes[node];
    Data& moving = nodes[right];
    int half = left.used / 2;
    int moves = left.used - half;
    memcpy(moving.keys, &left.keys[half], moves * sizeof left.keys[0]);
    memcpy(moving.items, &left.items[half], moves * sizeof left.items[0]);
    moving.used = static_cast<uint16_t>(moves);
    left.used = static_cast<uint16_t>(half);
    if (left.leaf) {
        moving.before = node;
        moving.after = left.after;
        if (left.after)
            nodes[left.after].before = right;
        left.after = right;
        if (moved)
            for (int i = 0; i < moves; ++i)
                moved(context, reinterpret_cast<void*>(moving.items[i]), right);
    } else {
        for (int i = 0; i < moves; ++i)
            nodes[static_cast<Node>(moving.items[i])].parent = right;
    }
    Node parent = left.parent;
    if (!parent) {
        root = allocate(false);
        put(root, 0, left.keys[0], node);
        put(root, 1, moving.keys[0], right);
        ++height;
        return right;
    }
    int at = indexIn(parent, node) + 1;
    if (nodes[parent].used == WIDTH) {
        Node other = split(parent);
        int kept = nodes[parent].used;
        if (at > kept) {
            parent = other;
            at -= kept;
        }
    }
    put(parent, at, moving.keys[0], right);
    return right;
}

OrderTree::Place OrderTree::insertAfter(Place place, uint64_t key, void* item)
{
    // A split on every level and a new root at most.
    if (!reserve(height + 2))
        return Place{0, -1};
    uintptr_t value = reinterpret_cast<uintptr_t>(item);
    if (!root) {
        root = allocate(true);
        height = 1;
        put(root, 0, key, value);
        count = 1;
        return Place{root, 0};
    }
    Node leaf = place.leaf;
    int at = place.at + 1;
    if (!place.valid()) {
        for (leaf = root; !nodes[leaf].leaf;)
            leaf = static_cast<Node>(nodes[leaf].items[0]);
        at = 0;
    }
    if (nodes[leaf].used == WIDTH) {
        Node right = split(leaf);
        int kept = nodes[leaf].used;
        if (at > kept) {
            leaf = right;
            at -= kept;
        }
    }
    put(leaf, at, key, value);
    ++count;
    if (at == 0)
        firstKeyChanged(leaf);
    return Place{leaf, at};
}

// Takes the empty `node` out of the tree.
void OrderTree::unlink(Node node)
{
    Data& data = nodes[node];
    if (node == root) {
        root = 0;
        height = 0;
        release(node);
        return;
    }
    if (data.leaf) {
        if (data.before)
            nodes[data.before].after = data.after;
        if (data.after)
            nodes[data.after].before = data.before;
    }
    Node parent = data.parent;
    int at = indexIn(parent, node);
    release(node);
    Data& above = nodes[parent];
    int behind = above.used - at - 1;
    memmove(&above.keys[at], &above.keys[at + 1], behind * sizeof above.keys[0]);
    memmove(&above.items[at], &above.items[at + 1], behind * sizeof above.items[0]);
    --above.used;
    if (!above.used)
        unlink(parent);
    else if (at == 0)
        firstKeyChanged(parent);
}

void OrderTree::erase(Place place)
{
    Data& data = nodes[place.leaf];
    int behind = data.used - place.at - 1;
    memmove(&data.keys[place.at], &data.keys[place.at + 1], behind * sizeof data.keys[0]);
    memmove(&data.items[place.at], &data.items[place.at + 1], behind * sizeof data.items[0]);
    --data.used;
    --count;
    if (!data.used)
        unlink(place.leaf);
    else if (place.at == 0)
        firstKeyChanged(place.leaf);
}

OrderTree::Place OrderTree::find(Node leaf, void* item)
{
    if (!leaf || leaf >= nodes.size() || !nodes[leaf].leaf)
        return Place{0, -1};
    const Data& data = nodes[leaf];
    uintptr_t value = reinterpret_cast<uintptr_t>(item);
    for (int at = 0; at < data.used; ++at)
        if (data.items[at] == value)
            return Place{leaf, at};
    return Place{0, -1};
}

OrderTree::Place OrderTree::previous(Place place)
{
    if (!place.valid())
        return Place{0, -1};
    if (place.at > 0)
        return Place{place.leaf, place.at - 1};
    Node before = nodes[place.leaf].before;
    return before ? Place{before, nodes[before].used - 1} : Place{0, -1};
}

OrderTree::Place OrderTree::next(Place place)
{
    if (!place.valid()) {
        if (!root)
            return Place{0, -1};
        Node leaf = root;
        while (!nodes[leaf].leaf)
            leaf = static_cast<Node>(nodes[leaf].items[0]);
        return Place{leaf, 0};
    }
    if (place.at + 1 < nodes[place.leaf].used)
        return Place{place.leaf, place.at + 1};
    Node after = nodes[place.leaf].after;
    return after ? Place{after, 0} : Place{0, -1};
}

OrderTree::Place OrderTree::last()
{
    if (!root)
        return Place{0, -1};
    Node node = root;
    while (!nodes[node].leaf)
        node = static_cast<Node>(nodes[node].items[nodes[node].used - 1]);
    return Place{node, nodes[node].used - 1};
}

} // namespace kivparser
