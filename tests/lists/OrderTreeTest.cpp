// The tree behind the sorted lists' index, against a plain vector of the same
// entries: every place it gives, every search and every move it reports must
// agree with the vector after each step, through splits, emptied leaves and a
// tree that shrinks to nothing and grows again.
#include "lists/OrderTree.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <unordered_map>
#include <vector>

using namespace kivparser;

namespace {

struct Model {
    std::vector<uint64_t> keys;
    std::vector<intptr_t> items;
    std::unordered_map<intptr_t, OrderTree::Node> leafOf; // as the moves report it
};

void onMoved(void* context, void* item, OrderTree::Node leaf)
{
    static_cast<Model*>(context)->leafOf[reinterpret_cast<intptr_t>(item)] = leaf;
}

void* asItem(intptr_t n)
{
    return reinterpret_cast<void*>(n);
}

// Walks the tree forwards and backwards and compares it with the model; every
// item must be found in the leaf its moves left it in.
void expectSame(OrderTree& tree, Model& model)
{
    ASSERT_EQ(tree.size(), (long)model.items.size());
    size_t n = 0;
    for (OrderTree::Place p = tree.next(OrderTree::Place{0, -1}); p.valid(); p = tree.next(p), ++n) {
        ASSERT_LT(n, model.items.size());
        ASSERT_EQ(tree.item(p), asItem(model.items[n])) << "at " << n;
        ASSERT_EQ(tree.key(p), model.keys[n]);
        OrderTree::Place found = tree.find(model.leafOf[model.items[n]], asItem(model.items[n]));
        ASSERT_TRUE(found.valid() && found.leaf == p.leaf && found.at == p.at) << "item " << model.items[n];
    }
    ASSERT_EQ(n, model.items.size());
    for (OrderTree::Place p = tree.last(); p.valid(); p = tree.previous(p))
        ASSERT_EQ(tree.item(p), asItem(model.items[--n]));
    ASSERT_EQ(n, 0u);
}

} // namespace

TEST(OrderTree, EntriesStayInPlaceThroughSplitsAndRemovals)
{
    Model model;
    OrderTree tree(&onMoved, &model);
    std::mt19937 random(20261207);
    intptr_t made = 0;
    for (int round = 0; round < 3; ++round) {
        // Grows to a few thousand entries (three levels), then mostly
        // shrinks, the last round down to nothing.
        for (int step = 0; step < 6000 || (round == 2 && !model.items.empty()); ++step) {
            bool lastShrink = round == 2 && step >= 3500;
            if (lastShrink && model.items.empty())
                break;
            bool grow = step < 3500 ? random() % 10 < 8 : !lastShrink && random() % 10 < 2;
            if (grow || model.items.empty()) {
                size_t n = model.items.size();
                // After a random entry, at the front or at the end.
                size_t behind = random() % 3 == 0 ? n : random() % (n + 1); // entries before the new one
                uint64_t key = random();
                intptr_t item = ++made;
                OrderTree::Place after =
                    behind == 0 ? OrderTree::Place{0, -1}
                                : tree.find(model.leafOf[model.items[behind - 1]], asItem(model.items[behind - 1]));
                OrderTree::Place place =
                    behind == n ? tree.append(key, asItem(item)) : tree.insertAfter(after, key, asItem(item));
                ASSERT_TRUE(place.valid());
                model.leafOf[item] = place.leaf;
                model.keys.insert(model.keys.begin() + (long)behind, key);
                model.items.insert(model.items.begin() + (long)behind, item);
            } else {
                size_t at = random() % model.items.size();
                OrderTree::Place place = tree.find(model.leafOf[model.items[at]], asItem(model.items[at]));
                ASSERT_TRUE(place.valid());
                tree.erase(place);
                model.leafOf.erase(model.items[at]);
                model.keys.erase(model.keys.begin() + (long)at);
                model.items.erase(model.items.begin() + (long)at);
            }
            if (step % 97 == 0 || model.items.size() < 70)
                expectSame(tree, model);
        }
        expectSame(tree, model);
    }
    EXPECT_TRUE(tree.empty());
    tree.clear();
    EXPECT_FALSE(tree.last().valid());
}

TEST(OrderTree, SearchFindsTheLastEntryOfTheFirstStretch)
{
    // Kept sorted as the lists keep it: each new entry goes behind the last
    // one whose key is at most its own, found by the search; entries are
    // taken out anywhere (first entries of leaves too, whose keys the
    // levels above must then forget). Keys tie in long runs that span
    // several leaves. Every search is checked against the sorted vector.
    Model model;
    OrderTree tree(&onMoved, &model);
    std::mt19937 random(7);
    intptr_t made = 0;
    auto upTo = [](uint64_t k) { return [k](uint64_t key) { return key <= k; }; };
    for (int step = 0; step < 12000; ++step) {
        bool grow = step < 8000 ? random() % 10 < 7 : random() % 10 < 3;
        if (grow || model.items.empty()) {
            uint64_t key = random() % 60 * 2;
            intptr_t item = ++made;
            OrderTree::Place place = tree.insertAfter(tree.lastWhere(upTo(key)), key, asItem(item));
            ASSERT_TRUE(place.valid());
            model.leafOf[item] = place.leaf;
            size_t at = (size_t)(std::upper_bound(model.keys.begin(), model.keys.end(), key) - model.keys.begin());
            model.keys.insert(model.keys.begin() + (long)at, key);
            model.items.insert(model.items.begin() + (long)at, item);
        } else {
            size_t at = random() % model.items.size();
            tree.erase(tree.find(model.leafOf[model.items[at]], asItem(model.items[at])));
            model.leafOf.erase(model.items[at]);
            model.keys.erase(model.keys.begin() + (long)at);
            model.items.erase(model.items.begin() + (long)at);
        }
        for (int probe = 0; probe < 4; ++probe) {
            uint64_t k = random() % 123;
            OrderTree::Place p = tree.lastWhere(upTo(k));
            size_t before = (size_t)(std::upper_bound(model.keys.begin(), model.keys.end(), k) - model.keys.begin());
            if (before == 0) {
                ASSERT_FALSE(p.valid()) << k;
            } else {
                ASSERT_TRUE(p.valid()) << k;
                ASSERT_EQ(tree.item(p), asItem(model.items[before - 1])) << "step " << step << " key " << k;
            }
        }
    }
    expectSame(tree, model);
}
