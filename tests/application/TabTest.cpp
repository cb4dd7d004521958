#include "AppTestSupport.h"
#include "ListNames.h"
#include "GoldenSupport.h"
#include "application/MenuTrace.h"
#include "application/TabBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

String* helpLines(std::initializer_list<const char*> lines)
{
    String* head = new String();
    for (auto it = std::rbegin(lines); it != std::rend(lines); ++it)
        head->addNewString(dup(*it));
    return head;
}

// A registration with one application, as the parser holds it inside the
// application's block.
struct Registration {
    ApplicationRegistration reg;
    IdleParser parser;
    Registration() : parser(&reg) { parser->curApplication = reg.newApplication(dup("A")); }

    int tab(int precedence, const char* name, const char* icon = nullptr)
    {
        int result = TabBuilder::beginTab(precedence, dup(name), dup(icon));
        return result ? result : TabBuilder::endTab();
    }
    // One list item with an f.<type> function.
    int item(const char* label, const char* type, const char* arg, const char* icon = nullptr)
    {
        parser->curFunction = new Function(nullptr, dup(type), dup(arg));
        return TabBuilder::listItem(-1, dup(label), dup(icon));
    }
};

} // namespace

TEST(Tab, PrecedenceAndIconFirstGivenStay)
{
    IdleParser parser;
    Tab tab(dup("T"));
    EXPECT_EQ(tab.order, PSLpriority);
    EXPECT_EQ(tab.getPrecedence(), 50);
    tab.setPrecedence(-1);
    EXPECT_EQ(tab.precedence, -1);
    tab.setPrecedence(10);
    tab.setPrecedence(10);
    EXPECT_EQ(parser->warnings, 0);
    tab.setPrecedence(20);
    tab.setPrecedence(-1);
    EXPECT_EQ(tab.precedence, 10);
    EXPECT_EQ(parser->warnings, 1);

    tab.setIconName(nullptr);
    tab.setIconName(dup("a.png"));
    tab.setIconName(dup("a.png"));
    EXPECT_EQ(parser->warnings, 1);
    tab.setIconName(dup("b.png"));
    EXPECT_STREQ(tab.iconName, "a.png");
    EXPECT_EQ(parser->warnings, 2);

    tab.setActiveHelp(nullptr);
    tab.setActiveHelp(helpLines({"one", "two"}));
    tab.setActiveHelp(helpLines({"three"}));
    ASSERT_NE(tab.activeHelp, nullptr);
    EXPECT_STREQ(tab.activeHelp->next()->str, "one");
    EXPECT_STREQ(tab.activeHelp->next()->next()->str, "two");
    EXPECT_EQ(parser->warnings, 2);

    ParserList list(dup("L"));
    EXPECT_EQ(list.order, PSLfifo);
    ListItem item(5, dup("I"), nullptr, nullptr, nullptr);
    item.setIconName(dup("i.png"));
    item.setIconName(dup("j.png"));
    item.setActiveHelp(helpLines({"h"}));
    item.setActiveHelp(helpLines({"k"}));
    EXPECT_STREQ(item.iconName, "i.png");
    EXPECT_STREQ(item.activeHelp->next()->str, "h");
    EXPECT_EQ(item.isBitmap, 0);
    EXPECT_EQ(parser->warnings, 2);
}

TEST(TabBuilder, TabsSortedAndMovedOnceWhenAPrecedenceIsFirstGiven)
{
    Registration r;
    ASSERT_EQ(r.tab(-1, "Late"), 0);
    ASSERT_EQ(r.tab(60, "Sixty"), 0);
    ASSERT_EQ(r.tab(50, "Fifty"), 0);
    ASSERT_EQ(r.tab(10, "Ten"), 0);
    ASSERT_EQ(r.tab(250, "Top"), 0);
    EXPECT_EQ(namesOf(r.reg.tabs, &_Menu::menuID), (Names{"Top", "Sixty", "Late", "Fifty", "Ten"}));
    // Given 80 later, Late moves before the tabs of 50 to 79.
    ASSERT_EQ(r.tab(80, "Late"), 0);
    EXPECT_EQ(namesOf(r.reg.tabs, &_Menu::menuID), (Names{"Top", "Late", "Sixty", "Fifty", "Ten"}));
    // A different precedence later: warned about, nothing moves.
    ASSERT_EQ(r.tab(20, "Ten"), 0);
    ASSERT_EQ(r.tab(90, "Late"), 0);
    EXPECT_EQ(namesOf(r.reg.tabs, &_Menu::menuID), (Names{"Top", "Late", "Sixty", "Fifty", "Ten"}));
    EXPECT_EQ(r.parser->warnings, 2);
    Tab* late = r.reg.tabs->next()->next();
    EXPECT_EQ(late->precedence, 80);
    EXPECT_EQ(late->locked, 3);
    EXPECT_EQ(r.parser->curTab, nullptr);
    EXPECT_EQ(r.parser->curMenuItem, nullptr);
}

TEST(TabBuilder, ListsNewestFirstWithPlaceholdersAndDuplicates)
{
    Registration r;
    ASSERT_EQ(TabBuilder::beginList(dup("First"), dup("f.png")), 0);
    // Forward reference: the list exists before its block.
    EXPECT_EQ(r.item("Go", "list", "Later"), 0);
    EXPECT_EQ(r.item("Go", "action", "act"), 0);
    EXPECT_EQ(r.parser->warnings, 1);
    EXPECT_EQ(r.item("Go", "list", nullptr, "icon.png"), 0);
    EXPECT_EQ(r.parser->warnings, 2);
    ASSERT_EQ(TabBuilder::endList(), 0);
    ASSERT_EQ(TabBuilder::beginList(dup("Second"), nullptr), 0);
    ASSERT_EQ(TabBuilder::endList(), 0);
    ParserList* later = r.reg.lists->next()->next();
    EXPECT_EQ(namesOf(r.reg.lists, &_Menu::menuID), (Names{"Second", "Later", "First"}));
    ASSERT_EQ(TabBuilder::beginList(dup("Later"), nullptr), 0);
    EXPECT_EQ(r.parser->curList, later);
    ASSERT_EQ(TabBuilder::endList(), 0);
    EXPECT_EQ(namesOf(r.reg.lists, &_Menu::menuID), (Names{"Second", "Later", "First"}));

    // The duplicate item offered its icon; the linked list takes a new name.
    ParserList* first = r.reg.lists->next()->next()->next();
    ListItem* go = static_cast<ListItem*>(first->menuItems->next());
    EXPECT_STREQ(go->iconName, "icon.png");
    EXPECT_EQ(go->menuLink, later);
    EXPECT_EQ(go->actionLink, nullptr);
    ASSERT_EQ(TabBuilder::beginList(dup("First"), dup("other.png")), 0);
    EXPECT_EQ(r.parser->warnings, 3);
    EXPECT_EQ(r.item("Go", "LIST", "Renamed"), 0);
    ASSERT_EQ(TabBuilder::endList(), 0);
    EXPECT_STREQ(later->menuID, "Renamed");
    EXPECT_EQ(namesOf(first->menuItems, &_MenuItem::label), (Names{"Go"}));
    EXPECT_EQ(first->locked, 2);
    EXPECT_EQ(r.parser->warnings, 3);
    EXPECT_EQ(r.parser->errors, 0);
}

TEST(TabBuilder, StatementsWithoutTheirObjectEndTheParse)
{
    IdleParser parser;
    // Everything handed over is released, the collected active help and the
    // function included.
    parser->curString = helpLines({"h"});
    EXPECT_EQ(TabBuilder::beginTab(10, dup("T"), dup("t.png")), 1);
    EXPECT_EQ(parser->curString, nullptr);
    parser->curString = helpLines({"h"});
    EXPECT_EQ(TabBuilder::beginList(dup("L"), dup("l.png")), 1);
    parser->curString = helpLines({"h"});
    parser->curFunction = new Function(nullptr, dup("action"), dup("a"));
    EXPECT_EQ(TabBuilder::listItem(-1, dup("I"), dup("i.png")), 1);
    EXPECT_EQ(parser->curFunction, nullptr);
    EXPECT_EQ(parser->curString, nullptr);
    EXPECT_EQ(TabBuilder::endTab(), 1);
    EXPECT_EQ(TabBuilder::endList(), 1);
    EXPECT_EQ(parser->errors, 5);
}

TEST(TabBuilder, AnErrorInsideAListBlockSkipsTheRestOfTheBlock)
{
    // List blocks have no error statement of their own: a bad item (or a lone
    // ";") costs one syntax error and the rest of that block; the list still
    // ends, and the statements after the block are read normally.
    ApplicationRegistration* reg =
        parseFiles({{"list_error.reg", {"E 2 syntax error", "E 4 syntax error"}}});
    ASSERT_NE(reg, nullptr);
    ParserList* l = reg->lookupList(const_cast<char*>("L"));
    ParserList* m = reg->lookupList(const_cast<char*>("M"));
    ParserList* n = reg->lookupList(const_cast<char*>("N"));
    Tab* t = reg->lookupTab(const_cast<char*>("T"));
    ASSERT_TRUE(l && m && n && t);
    EXPECT_EQ(namesOf(l->menuItems, &_MenuItem::label), (Names{"a"}));
    EXPECT_EQ(l->locked, 1);
    EXPECT_EQ(namesOf(t->menuItems, &_MenuItem::label), (Names{"t"}));
    EXPECT_EQ(namesOf(m->menuItems, &_MenuItem::label), (Names{"m"}));
    EXPECT_EQ(m->menuItems->next()->menuLink, l);
    EXPECT_EQ(m->menuItems->next()->precedence, 5);
    EXPECT_EQ(namesOf(n->menuItems, &_MenuItem::label), (Names{"n"}));
    delete reg;
}

TEST(ListItem, TraceLinesUnderTheEntriesSwitch)
{
    menuItemTraceVerbose = 1;
    testing::internal::CaptureStderr();
    delete new ListItem(-1, dup("Item"), nullptr, nullptr, nullptr);
    delete new ListItem();
    std::string traced = testing::internal::GetCapturedStderr();
    menuItemTraceVerbose = 0;
    EXPECT_EQ(traced, "ListItem::ListItem(Item)\nListItem::~ListItem(Item)\n"
                      "ListItem::ListItem(NONE)\nListItem::~ListItem(NONE)\n");
}

TEST(TabBuilder, EqualPrecedenceOrderedByTheRankOfTheDefiningApplication)
{
    Application::setPriorityOrganization("com.x");
    Application::setPriorityClass("com.x.nm");
    Application::setPriorityApplication("main");
    Registration r;
    Application* other = r.parser->curApplication;
    Application* later = r.reg.newApplication(dup("0-first-by-name"));
    Application* primary = r.reg.newApplication(dup("com.x.nm.main"));
    ASSERT_EQ(primary->priority, AppPRIMARY);

    ASSERT_EQ(r.tab(40, "ByA"), 0);
    r.parser->curApplication = later;
    ASSERT_EQ(r.tab(40, "ByName"), 0);
    r.parser->curApplication = primary;
    ASSERT_EQ(r.tab(-1, "Default"), 0);
    ASSERT_EQ(r.tab(40, "ByPrimary"), 0);
    // A later definition by another application does not change the rank the
    // tab was first made with.
    r.parser->curApplication = other;
    ASSERT_EQ(r.tab(40, "ByPrimary"), 0);
    EXPECT_EQ(namesOf(r.reg.tabs, &_Menu::menuID), (Names{"Default", "ByPrimary", "ByName", "ByA"}));
    Application::setPriorityOrganization(nullptr);
    Application::setPriorityClass(nullptr);
    Application::setPriorityApplication(nullptr);
}
