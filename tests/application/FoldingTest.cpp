// Folding as the golden case "fold" shows it, on links the parser never makes:
// a cycle and entries without a label.

#include "kivparser/kivparser.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kivparser;

// The walk ends on a cycle; a cascade whose entry or whose only entry has no
// label stays; an unlabelled entry that opens a submenu folded from another
// entry is folded too, so that no entry keeps a link to the destroyed menu
// (the dump walks every link left: the sanitizer build sees a dangling one).
TEST(Folding, CyclesAndEntriesWithoutALabelMadeByHand)
{
    ApplicationRegistration reg;
    Application* app = reg.newApplication(strdup("A"));
    MenuBar* bar = new MenuBar(strdup("Bar"));
    reg.refMenuBars()->append(bar);
    Action* go = app->newAction(strdup("go"));
    auto entry = [](_Menu* in, const char* label, _Menu* link, Action* action) {
        MenuItem* item = new MenuItem(-1, label ? strdup(label) : nullptr, 0, nullptr, nullptr, nullptr, nullptr);
        item->menuLink = link;
        item->actionLink = action;
        static_cast<MenuItem*>(in->refMenuItems())->append(item);
        return item;
    };
    Menu* a = app->newMenu(strdup("A"));
    Menu* b = app->newMenu(strdup("B"));
    entry(a, "ToB", b, nullptr);
    entry(b, "ToA", a, nullptr);
    entry(b, "Go", nullptr, go);
    Menu* bare = app->newMenu(strdup("Bare"));
    entry(bare, nullptr, nullptr, go);
    Menu* shared = app->newMenu(strdup("Shared"));
    entry(shared, "Go", nullptr, go);
    MenuItem* toA = entry(bar, "A", a, nullptr);
    MenuItem* toBare = entry(bar, "Bare", bare, nullptr);
    MenuItem* unlabelled = entry(bar, nullptr, shared, nullptr);
    MenuItem* labelled = entry(bar, "One", shared, nullptr);

    reg.removeSingleActionMenus();
    EXPECT_EQ(toA->menuLink, a);
    EXPECT_EQ(toBare->menuLink, bare);
    EXPECT_STREQ(labelled->label, "One:Go");
    EXPECT_EQ(unlabelled->label, nullptr);
    EXPECT_EQ(unlabelled->menuLink, nullptr);
    EXPECT_EQ(unlabelled->actionLink, go);
    EXPECT_EQ(app->lookupMenu(const_cast<char*>("Shared")), nullptr);
    testing::internal::CaptureStdout();
    reg.debugDump();
    testing::internal::GetCapturedStdout();
}
