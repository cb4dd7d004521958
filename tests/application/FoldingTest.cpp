#include "AppTestSupport.h"
#include "GoldenSupport.h"
#include "ListNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

// A registration built by hand: one application with one menu bar, menus and
// actions, entries linked as the test says.
struct HandBuilt {
    ApplicationRegistration* reg;
    Application* app;
    MenuBar* bar;

    HandBuilt() : reg(new ApplicationRegistration())
    {
        app = reg->newApplication(dup("A"));
        bar = new MenuBar(dup("Bar"));
        reg->refMenuBars()->append(bar);
    }
    ~HandBuilt() { delete reg; }

    Menu* menu(const char* name) { return app->newMenu(dup(name)); }
    Action* action(const char* name) { return app->newAction(dup(name)); }
    MenuItem* entry(_Menu* in, const char* label, _Menu* link, Action* act)
    {
        MenuItem* item = new MenuItem(-1, dup(label), 0, nullptr, nullptr, nullptr, nullptr);
        item->menuLink = link;
        item->actionLink = act;
        in->refMenuItems()->append(item);
        return item;
    }
    // Walks every link that is left (a dangling one is a sanitizer report).
    void dumpAll()
    {
        testing::internal::CaptureStdout();
        reg->debugDump();
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(Indent, 0);
    }
};

} // namespace

TEST(Folding, GoldenCascadesFoldedFromTheMenuBar)
{
    // Export to As Text; P to Q to R; a submenu with two actions keeps its
    // entries (its own single-action cascade B to C folds); a submenu whose
    // only entry is multi-action folds with the first action; a submenu linked
    // from two bar entries and from an unreached menu folds into all three; an
    // empty submenu and a submenu with one action and one unlinked entry stay.
    ApplicationRegistration* reg = parseFiles({{"fold.reg", {}}});
    ASSERT_NE(reg, nullptr);
    reg->removeSingleActionMenus();
    EXPECT_EQ(dumpOf(reg), readExpected("fold.dump"));
    Application* app = reg->lookupApplication(const_cast<char*>("Fold"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(namesOf(app->menus, &_Menu::menuID), (Names{"Unreached", "MixedMenu", "EmptyMenu", "TwoMenu"}));

    // Folding again changes nothing: every cascade left leads to 0 or 2 actions.
    reg->removeSingleActionMenus();
    EXPECT_EQ(dumpOf(reg), readExpected("fold.dump"));
    delete reg;
}

TEST(Folding, EntriesThatCannotFoldStayAsTheyAre)
{
    HandBuilt h;
    Action* go = h.action("go");

    // No label on the bar entry.
    Menu* m1 = h.menu("M1");
    h.entry(m1, "Go", nullptr, go);
    MenuItem* unlabelled = h.entry(h.bar, nullptr, m1, nullptr);
    // No label on the submenu's only entry.
    Menu* m2 = h.menu("M2");
    h.entry(m2, nullptr, nullptr, go);
    MenuItem* toUnlabelled = h.entry(h.bar, "X", m2, nullptr);
    // A submenu without an entry list, and one with an empty list.
    Menu* m3 = h.menu("M3");
    MenuItem* toNoList = h.entry(h.bar, "Y", m3, nullptr);
    Menu* m4 = h.menu("M4");
    m4->refMenuItems();
    MenuItem* toEmpty = h.entry(h.bar, "Z", m4, nullptr);
    // The only entry counts one action through a cascade that could not fold.
    Menu* m5 = h.menu("M5");
    h.entry(m5, "Deep", m2, nullptr);
    MenuItem* toDeep = h.entry(h.bar, "W", m5, nullptr);

    h.reg->removeSingleActionMenus();
    EXPECT_EQ(unlabelled->menuLink, m1);
    EXPECT_EQ(unlabelled->actionLink, nullptr);
    EXPECT_EQ(unlabelled->label, nullptr);
    EXPECT_EQ(toUnlabelled->menuLink, m2);
    EXPECT_STREQ(toUnlabelled->label, "X");
    EXPECT_EQ(toNoList->menuLink, m3);
    EXPECT_EQ(toEmpty->menuLink, m4);
    EXPECT_EQ(toDeep->menuLink, m5);
    EXPECT_STREQ(toDeep->label, "W");
    EXPECT_EQ(namesOf(h.app->menus, &_Menu::menuID), (Names{"M5", "M4", "M3", "M2", "M1"}));
    h.dumpAll();
}

TEST(Folding, SharedSubmenuFoldsEveryEntryThatOpensIt)
{
    HandBuilt h;
    Action* go = h.action("go");
    Menu* shared = h.menu("Shared");
    h.entry(shared, "Go", nullptr, go);
    // Two bar entries, an entry of a menu that no bar reaches, an unlabelled
    // entry, and an entry of a second application's menu (a cascade moved
    // there by a duplicate label).
    MenuItem* first = h.entry(h.bar, "One", shared, nullptr);
    MenuItem* second = h.entry(h.bar, "Two", shared, nullptr);
    Menu* unreached = h.menu("Unreached");
    MenuItem* inner = h.entry(unreached, "Three", shared, nullptr);
    MenuItem* unlabelled = h.entry(unreached, nullptr, shared, nullptr);
    Application* other = h.reg->newApplication(dup("B"));
    Menu* otherMenu = other->newMenu(dup("OtherMenu"));
    MenuItem* elsewhere = h.entry(otherMenu, "Four", shared, nullptr);

    h.reg->removeSingleActionMenus();
    for (MenuItem* e : {first, second, inner, unlabelled, elsewhere}) {
        EXPECT_EQ(e->menuLink, nullptr);
        EXPECT_EQ(e->actionLink, go);
    }
    EXPECT_STREQ(first->label, "One:Go");
    EXPECT_STREQ(second->label, "Two:Go");
    EXPECT_STREQ(inner->label, "Three:Go");
    EXPECT_EQ(unlabelled->label, nullptr);
    EXPECT_STREQ(elsewhere->label, "Four:Go");
    EXPECT_EQ(namesOf(h.app->menus, &_Menu::menuID), (Names{"Unreached"}));
    h.dumpAll();
}

TEST(Folding, SharedSubmenuInsideOneMenuCountsForEachEntry)
{
    // Menu M opens S twice; S holds one action. Both entries fold, so M then
    // leads to two actions and stays.
    HandBuilt h;
    Action* go = h.action("go");
    Menu* s = h.menu("S");
    h.entry(s, "Go", nullptr, go);
    Menu* m = h.menu("M");
    MenuItem* a = h.entry(m, "A", s, nullptr);
    MenuItem* b = h.entry(m, "B", s, nullptr);
    MenuItem* top = h.entry(h.bar, "Top", m, nullptr);

    h.reg->removeSingleActionMenus();
    EXPECT_STREQ(a->label, "A:Go");
    EXPECT_STREQ(b->label, "B:Go");
    EXPECT_EQ(b->actionLink, go);
    EXPECT_EQ(top->menuLink, m);
    EXPECT_EQ(namesOf(h.app->menus, &_Menu::menuID), (Names{"M"}));
    h.dumpAll();
}

TEST(Folding, LinksThatCloseACycleEndTheWalk)
{
    // The parser refuses such links; made by hand they must not make the walk
    // run forever or fold a menu that is being counted.
    HandBuilt h;
    Action* go = h.action("go");
    Menu* a = h.menu("A");
    Menu* b = h.menu("B");
    Menu* self = h.menu("Self");
    h.entry(a, "ToB", b, nullptr);
    h.entry(b, "ToA", a, nullptr);
    h.entry(b, "Go", nullptr, go);
    h.entry(self, "Again", self, nullptr);
    MenuItem* toA = h.entry(h.bar, "A", a, nullptr);
    MenuItem* toSelf = h.entry(h.bar, "S", self, nullptr);

    h.reg->removeSingleActionMenus();
    EXPECT_EQ(toA->menuLink, a);
    EXPECT_EQ(toSelf->menuLink, self);
    EXPECT_EQ(namesOf(h.app->menus, &_Menu::menuID), (Names{"Self", "B", "A"}));
}

TEST(Folding, OnlyMenuBarsAreVisited)
{
    // A single-action cascade reached only from a popup item or a menu that no
    // bar reaches is left alone, and a registration without bars is fine.
    HandBuilt h;
    Action* go = h.action("go");
    Menu* s = h.menu("S");
    h.entry(s, "Go", nullptr, go);
    Menu* unreached = h.menu("Unreached");
    MenuItem* inner = h.entry(unreached, "In", s, nullptr);
    // A bar entry holding a list instead of a submenu is no cascade.
    ParserList* list = h.reg->newList(dup("L"));
    ListItem* item = new ListItem(-1, dup("Go"), nullptr, nullptr, nullptr);
    item->actionLink = go;
    list->refMenuItems()->append(item);
    MenuItem* toList = h.entry(h.bar, "ToList", list, nullptr);
    h.reg->removeSingleActionMenus();
    EXPECT_EQ(inner->menuLink, s);
    EXPECT_STREQ(inner->label, "In");
    EXPECT_EQ(toList->menuLink, list);
    EXPECT_STREQ(toList->label, "ToList");

    ApplicationRegistration empty;
    empty.removeSingleActionMenus();
    EXPECT_EQ(empty.menuBars, nullptr);
}

TEST(Folding, RegistrationWithRefusedCyclesAndAnEmptySubmenu)
{
    // The refused links leave entries without a link; folding finds nothing
    // to fold and every link left can still be walked.
    ApplicationRegistration* reg = parseFiles({{"fold_cycle.reg",
                                               {"E 4 f.menu A: cyclic reference.(ignore)",
                                                "E 5 f.menu C: cyclic reference.(ignore)"}}});
    ASSERT_NE(reg, nullptr);
    std::string before = dumpOf(reg);
    reg->removeSingleActionMenus();
    EXPECT_EQ(dumpOf(reg), before);
    Application* app = reg->lookupApplication(const_cast<char*>("Loops"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(namesOf(app->menus, &_Menu::menuID), (Names{"B", "Empty", "C", "A"}));
    delete reg;
}
