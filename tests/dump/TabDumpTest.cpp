// Golden dump of tabs, list items and the lists they open, written by hand
// from the registration rules and the dump layout.

#include "application/GoldenSupport.h"

using namespace kivparser;

namespace {

std::string dumpTabsOf(ApplicationRegistration* reg)
{
    testing::internal::CaptureStdout();
    reg->debugDumpTabs();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Indent, 0);
    return out;
}

} // namespace

TEST(TabDump, TabsListsAndItemsMergedFromTwoFiles)
{
    // Late (no precedence, then 80) moves before Mid (60); Ten keeps 10 and
    // its first icon; the duplicate Low item only supplies its missing icon
    // and help; the tab item Open renames the list it opens; Back would close
    // a cycle and stays unlinked; NoName has no list name.
    ApplicationRegistration* reg = parseFiles(
        {{"tab_a.reg", {}},
         {"tab_b.reg",
          {"W 3 Tab Ten: precedence value(20) is different from one defined yet(10)(ignore new one)",
           "W 3 Ten: iconName(other.png) is different from one defined yet(ten.png)(ignore new one)",
           "W 5 detect duplicate ListItem \"Low\"; ignore this ListItem",
           "E 6 f.list Shared: cyclic reference.(ignore)", "E 6 f.list name is not specified(ignore)",
           "W 7 ListItem \"Open\": missing list name after f.list",
           "W 7 detect duplicate ListItem \"Open\"; ignore this ListItem"}}});
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(dumpTabsOf(reg), readExpected("tab.dump"));

    // The registration's lists, newest first: Other was made by the f.list
    // reference of file b, Renamed (once Shared) by the tab item of file a.
    ParserList* first = reg->lists ? reg->lists->next() : nullptr;
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->menuID, "Other");
    ASSERT_NE(first->next(), nullptr);
    EXPECT_STREQ(first->next()->menuID, "Renamed");
    EXPECT_EQ(first->next()->next(), nullptr);
    EXPECT_EQ(first->locked, 1);
    EXPECT_EQ(first->next()->locked, 2);
    delete reg;
}
