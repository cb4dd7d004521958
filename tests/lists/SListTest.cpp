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
        out += v->isInteger() ? std::to_string(v->integer) + " " : std::string(v->str) + " ";
    return out;
}

} // namespace

TEST(SList, InsertingAfterTheHeadKeepsTheFirstTail)
{
    String* head = new String();
    EXPECT_EQ(head->_tail, head);
    EXPECT_EQ(head->_base, head);
    EXPECT_EQ(head->str, nullptr);
    head->addNewData(strdup("c"));
    String* c = head->next();
    head->addNewString(strdup("b"));
    head->addNewData(strdup("a"));
    EXPECT_EQ(values(head), "a b c ");
    EXPECT_EQ(head->_tail, c);
    EXPECT_EQ(c->_base, head);
    head->insert(nullptr);
    head->append(nullptr);
    EXPECT_EQ(values(head), "a b c ");

    // Appending moves the tail; inserting after the last element does too,
    // on that element.
    head->append(new String(7));
    EXPECT_TRUE(static_cast<String*>(head->_tail)->isInteger());
    String* last = static_cast<String*>(head->_tail);
    last->insert(new String(strdup("z")));
    EXPECT_EQ(values(head), "a b c 7 z ");
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
    EXPECT_EQ(values(head), "a b c ");

    // Pulling away an element that is not in the chain changes nothing but
    // still makes the head its own base.
    String* other = new String();
    other->append(head);
    EXPECT_EQ(head->_base, other);
    head->pullaway(&loose);
    EXPECT_EQ(values(head), "a b c ");
    EXPECT_EQ(head->_base, head);
    EXPECT_EQ(head->_tail, c);
    other->_next = nullptr;
    delete other;

    // The last element goes: the tail moves back.
    c->remove();
    EXPECT_EQ(values(head), "a b ");
    EXPECT_EQ(head->_tail, b);
    EXPECT_EQ(c->_next, nullptr);
    EXPECT_EQ(c->_base, head);
    // A middle element goes: the tail stays.
    head->pullaway(a);
    EXPECT_EQ(values(head), "b ");
    EXPECT_EQ(head->_tail, b);
    // The head itself cannot be pulled away from its own chain.
    head->pullaway(head);
    EXPECT_EQ(values(head), "b ");
    delete a;
    delete c;
    SListOps::disposeList(head);
}

// Model objects of several sizes made and destroyed on two threads at once
// (a host may load on one thread and release an old registration on another):
// the pools hand no block out twice.
TEST(SList, ObjectsMadeAndDestroyedOnTwoThreads)
{
    auto work = [](int seed) {
        for (int round = 0; round < 2000; ++round) {
            std::vector<String*> values;
            std::vector<Menu*> menus;
            for (int i = 0; i < 300; ++i) {
                values.push_back(new String(seed + i));
                menus.push_back(new Menu());
            }
            bool intact = true;
            for (int i = 0; i < 300; ++i)
                intact = intact && values[i]->integer == seed + i && !menus[i]->menuID;
            for (String* value : values)
                delete value;
            for (Menu* menu : menus)
                SListOps::disposeList(menu);
            if (!intact)
                return false;
        }
        return true;
    };
    bool first = false;
    std::thread other([&] { first = work(0); });
    bool second = work(1000000);
    other.join();
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
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
