// The links of the plain lists and the placement rules of the ordered ones.
// Long lists (indexed) are checked against the plain walk in
// SListIndexTest.cpp; the order of real model lists in the golden dumps.
#include "kivparser/kivparser.h"
#include "lists/SListOps.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

using namespace kivparser;

namespace {

std::string values(String* head)
{
    std::string out;
    for (String* v = head->next(); v; v = v->next())
        out += (v->isInteger() ? std::to_string(v->integer) : std::string(v->str)) + " ";
    return out;
}

class Item final : public PSList {
public:
    Item(PSListOrder order, int precedence, int tag) : PSList(order, precedence, 50), tag(tag) {}
    int tag;
    Item* next() { return static_cast<Item*>(_next); }
};

std::vector<int> tags(Item* head)
{
    std::vector<int> out;
    for (Item* i = head->next(); i; i = i->next())
        out.push_back(i->tag);
    return out;
}

int tailTag(Item* head)
{
    return static_cast<Item*>(head->_tail)->tag;
}

} // namespace

TEST(SList, InsertingAfterTheHeadKeepsTheFirstTail)
{
    String* head = new String();
    EXPECT_EQ(head->_tail, head);
    EXPECT_EQ(head->_base, head);
    head->addNewData(strdup("c"));
    String* c = head->next();
    head->addNewString(strdup("b"));
    head->addNewData(strdup("a"));
    head->insert(nullptr);
    head->append(nullptr);
    EXPECT_EQ(values(head), "a b c ");
    EXPECT_EQ(head->_tail, c);
    EXPECT_EQ(c->_base, head);

    // Appending moves the tail; inserting after the last element does too,
    // on that element.
    head->append(new String(7));
    String* last = static_cast<String*>(head->_tail);
    EXPECT_TRUE(last->isInteger());
    last->insert(new String(strdup("z")));
    EXPECT_EQ(last->_tail, last->next());
    head->addNewData(3);
    EXPECT_EQ(values(head), "3 a b c 7 z ");
    SListOps::disposeList(head);
}

TEST(SList, PullawayAndRemove)
{
    String* head = new String();
    String* a = new String(strdup("a"));
    String* b = new String(strdup("b"));
    String* c = new String(strdup("c"));
    head->append(a);
    head->append(b);
    head->append(c);
    // remove on a head, or on anything linked nowhere, does nothing.
    head->remove();
    String loose(strdup("loose"));
    loose.remove();
    // Pulling away an element that is not in the chain changes nothing but
    // still makes the head its own base.
    String* other = new String();
    other->append(head);
    head->pullaway(&loose);
    EXPECT_EQ(values(head), "a b c ");
    EXPECT_EQ(head->_base, head);
    EXPECT_EQ(head->_tail, c);
    other->_next = nullptr;
    delete other;

    // The last element goes: the tail moves back. A middle one goes: it
    // stays. The head cannot be pulled away from its own chain.
    c->remove();
    EXPECT_EQ(values(head), "a b ");
    EXPECT_EQ(head->_tail, b);
    EXPECT_EQ(c->_next, nullptr);
    head->pullaway(a);
    head->pullaway(head);
    EXPECT_EQ(values(head), "b ");
    EXPECT_EQ(head->_tail, b);
    delete a;
    delete c;
    SListOps::disposeList(head);
}

// Model objects made and destroyed on two threads at once (a host may load
// on one thread and release an old registration on another): the pools hand
// no block out twice.
TEST(SList, ObjectsMadeAndDestroyedOnTwoThreads)
{
    auto work = [](int seed) {
        bool intact = true;
        for (int round = 0; round < 2000; ++round) {
            std::vector<String*> values;
            std::vector<Menu*> menus;
            for (int i = 0; i < 300; ++i) {
                values.push_back(new String(seed + i));
                menus.push_back(new Menu());
            }
            for (int i = 0; i < 300; ++i)
                intact = intact && values[i]->integer == seed + i && !menus[i]->menuID;
            for (int i = 0; i < 300; ++i) {
                delete values[i];
                SListOps::disposeList(menus[i]);
            }
        }
        return intact;
    };
    bool first = false;
    std::thread other([&] { first = work(0); });
    EXPECT_TRUE(work(1000000));
    other.join();
    EXPECT_TRUE(first);
}

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer every model object is a heap block of its own, so a
// use after delete is reported.
TEST(SList, UseOfADeletedObjectIsReported)
{
    EXPECT_DEATH(
        {
            String* value = new String(7);
            delete value;
            printf("%d\n", value->integer);
        },
        "heap-use-after-free");
}
#endif

TEST(PSList, PriorityOrderKeepsArrivalAmongEquals)
{
    Item* head = new Item(PSLpriority, -1, 0);
    head->add(new Item(PSLpriority, 10, 1));
    head->add(new Item(PSLpriority, 60, 2));
    head->add(new Item(PSLpriority, 60, 3));
    head->add(new Item(PSLpriority, 30, 4));
    EXPECT_EQ(tailTag(head), 1);
    // Lower than everything: linked at the end, the head's tail moves.
    head->add(new Item(PSLpriority, 0, 5));
    EXPECT_EQ(tailTag(head), 5);
    // Above 100 reads as 100 and ties with 100; no precedence reads as 50;
    // append places as add does.
    head->add(new Item(PSLpriority, 100, 6));
    head->add(new Item(PSLpriority, 250, 7));
    head->add(new Item(PSLpriority, -1, 8));
    head->add(new Item(PSLprecedence, 50, 9));
    head->append(new Item(PSLpriority, 60, 10));
    head->append(nullptr);
    head->add(nullptr);
    EXPECT_EQ(tags(head), (std::vector<int>{6, 7, 2, 3, 10, 8, 9, 4, 1, 5}));
    EXPECT_EQ(tailTag(head), 5);
    SListOps::disposeList(head);

    // Behind a FIFO head the newest comes first; the first stays the last.
    head = new Item(PSLfifo, -1, 0);
    head->append(new Item(PSLfifo, -1, 1));
    head->append(new Item(PSLpriority, 90, 2));
    head->add(new Item(PSLfifo, 10, 3));
    EXPECT_EQ(tags(head), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(tailTag(head), 1);
    SListOps::disposeList(head);
}

TEST(PSList, RemovingAfterOrderedInsertion)
{
    Item* head = new Item(PSLpriority, -1, 0);
    Item* high = new Item(PSLpriority, 90, 1);
    Item* middle = new Item(PSLpriority, 50, 2);
    Item* low = new Item(PSLpriority, 10, 3);
    head->add(high);
    head->add(low);
    head->add(middle);
    // An element inserted behind another records that element as its base.
    EXPECT_EQ(middle->_base, high);
    EXPECT_EQ(low->_base, head);
    middle->remove();
    low->remove();
    EXPECT_EQ(tags(head), (std::vector<int>{1}));
    EXPECT_EQ(head->_tail, high);
    EXPECT_EQ(low->_next, nullptr);
    delete middle;
    delete low;
    SListOps::disposeList(head);
}
