#include "kivparser/kivparser.h"
#include "support/TestParser.h"
#include "lists/SListOps.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace kivparser;

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

int tailTag(Item* head)
{
    return static_cast<Item*>(head->_tail)->tag;
}

Item* made(int precedence, int tag, Application* application)
{
    Item* item = new Item(PSLpriority, precedence, tag);
    item->_application = application;
    return item;
}

void dispose(Item* head) { SListOps::disposeList(head); }

} // namespace

TEST(PSList, PriorityOrderKeepsArrivalAmongEquals)
{
    Item* head = new Item(PSLpriority, -1, 0);
    head->add(new Item(PSLpriority, 10, 1));
    EXPECT_EQ(tailTag(head), 1);
    head->add(new Item(PSLpriority, 60, 2));
    head->add(new Item(PSLpriority, 60, 3));
    head->add(new Item(PSLpriority, 30, 4));
    EXPECT_EQ(tags(head), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(tailTag(head), 1);
    // Lower than everything: linked at the end, the head's tail moves.
    head->add(new Item(PSLpriority, 0, 5));
    EXPECT_EQ(tailTag(head), 5);
    // Above 100 reads as 100 and ties with 100; no precedence reads as 50.
    head->add(new Item(PSLpriority, 100, 6));
    head->add(new Item(PSLpriority, 250, 7));
    head->add(new Item(PSLpriority, -1, 8));
    head->add(new Item(PSLprecedence, 50, 9));
    head->append(new Item(PSLpriority, 60, 10));
    head->append(nullptr);
    head->add(nullptr);
    EXPECT_EQ(tags(head), (std::vector<int>{6, 7, 2, 3, 10, 8, 9, 4, 1, 5}));
    EXPECT_EQ(tailTag(head), 5);
    // The head is never compared.
    EXPECT_EQ(head->tag, 0);
    dispose(head);
}

TEST(PSList, PrecedenceReadsCappedOrDefault)
{
    Item capped(PSLpriority, 250, 0), top(PSLpriority, 100, 0), zero(PSLpriority, 0, 0), none(PSLpriority, -1, 0);
    EXPECT_EQ(capped.getPrecedence(), 100);
    EXPECT_EQ(capped.precedence, 250);
    EXPECT_EQ(top.getPrecedence(), 100);
    EXPECT_EQ(zero.getPrecedence(), 0);
    EXPECT_EQ(none.getPrecedence(), 50);
    none.defaultPrecedence = 7;
    EXPECT_EQ(none.getPrecedence(), 7);
}

TEST(PSList, FifoHeadHoldsNewestFirst)
{
    Item* head = new Item(PSLfifo, -1, 0);
    head->append(new Item(PSLfifo, -1, 1));
    EXPECT_EQ(tailTag(head), 1);
    head->append(new Item(PSLpriority, 90, 2));
    head->add(new Item(PSLfifo, 10, 3));
    EXPECT_EQ(tags(head), (std::vector<int>{3, 2, 1}));
    // The first element stays the last one.
    EXPECT_EQ(tailTag(head), 1);
    dispose(head);
}

TEST(PSList, EqualPrecedenceOrdersByApplication)
{
    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    Application* primary = new Application(strdup("Org Tools Mapper"));
    Application* secondary = new Application(strdup("Org Tools Viewer"));
    Application* alpha = new Application(strdup("Alpha"));
    Application* beta = new Application(strdup("Beta"));

    // Elements take the application the parser is filling when they are made.
    TestParser parser(0);
    parser->curApplication = beta;
    Item* fromBeta = new Item(PSLpriority, 50, 1);
    EXPECT_EQ(fromBeta->getApplication(), beta);
    parser->curApplication = nullptr;
    EXPECT_EQ(Item(PSLpriority, 1, 0).getApplication(), nullptr);

    Item* ranked = new Item(PSLpriority, -1, 0);
    ranked->add(fromBeta);
    ranked->add(made(50, 2, nullptr));
    ranked->add(made(50, 3, alpha));
    ranked->add(made(50, 4, secondary));
    ranked->add(made(50, 5, primary));
    ranked->add(made(50, 6, beta));
    ranked->add(made(70, 7, nullptr));
    ranked->add(made(50, 8, alpha));
    EXPECT_EQ(tags(ranked), (std::vector<int>{7, 5, 4, 3, 8, 1, 6, 2}));

    // By precedence only: names decide, ranks do not.
    Item* named = new Item(PSLprecedence, -1, 0);
    named->add(made(50, 1, nullptr));
    named->add(made(50, 2, primary));
    named->add(made(50, 3, alpha));
    named->add(made(50, 4, secondary));
    EXPECT_EQ(tags(named), (std::vector<int>{3, 2, 4, 1}));

    dispose(ranked);
    dispose(named);
    for (Application* a : {primary, secondary, alpha, beta})
        delete a;
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
    EXPECT_EQ(tags(head), (std::vector<int>{1, 3}));
    low->remove();
    EXPECT_EQ(tags(head), (std::vector<int>{1}));
    EXPECT_EQ(head->_tail, high);
    EXPECT_EQ(low->_next, nullptr);
    delete middle;
    delete low;
    dispose(head);
}
