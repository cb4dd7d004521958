#include "kivparser.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A minimal concrete element for exercising the placement rules.
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

void dispose(Item* head) { SListOps::disposeList(head); }

} // namespace

TEST(PSList, PriorityOrderKeepsArrivalAmongEquals)
{
    Item* head = new Item(PSLpriority, -1, 0);
    head->add(new Item(PSLpriority, 10, 1));
    head->add(new Item(PSLpriority, 60, 2));
    head->add(new Item(PSLpriority, 60, 3));
    head->add(new Item(PSLpriority, 30, 4));
    EXPECT_EQ(tags(head), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(static_cast<Item*>(head->_tail)->tag, 1);
    dispose(head);
}

TEST(PSList, FifoHeadHoldsNewestFirst)
{
    Item* head = new Item(PSLfifo, -1, 0);
    head->append(new Item(PSLfifo, -1, 1));
    head->append(new Item(PSLfifo, -1, 2));
    head->append(new Item(PSLfifo, -1, 3));
    EXPECT_EQ(tags(head), (std::vector<int>{3, 2, 1}));
    dispose(head);
}
