#include "AppTestSupport.h"
#include "support/TestParser.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kivparser;

namespace {

std::vector<std::string> actionNames(Application* app)
{
    std::vector<std::string> out;
    for (Action* a = app->actions ? app->actions->next() : nullptr; a; a = a->next())
        out.push_back(a->actionID ? a->actionID : "<null>");
    return out;
}

std::vector<std::string> menuNames(Application* app)
{
    std::vector<std::string> out;
    for (Menu* m = app->menus ? app->menus->next() : nullptr; m; m = m->next())
        out.push_back(m->menuID ? m->menuID : "<null>");
    return out;
}

Function* fn(const char* type, const char* arg)
{
    return new Function(nullptr, dup(type), dup(arg));
}

} // namespace

TEST(ApplicationModel, LockedSettersKeepTheFirstDefinition)
{
    Application app(dup("A"));
    app.setDisplayString(dup("first"));
    app.setDisplayString(dup("second"));
    EXPECT_STREQ(app.displayString, "second");

    String* desc = new String();
    desc->addNewString(dup("line"));
    app.setDescriptions(desc);
    Command* cmd = new Command();
    cmd->setCommandName(dup("run"));
    app.setCommand(cmd);

    app.locked = 1;
    app.setDisplayString(dup("third"));
    String* other = new String();
    other->addNewString(dup("other"));
    app.setDescriptions(other);
    app.setCommand(new Command());
    Application parent(dup("P"));
    app.setAppParent(&parent);

    EXPECT_STREQ(app.displayString, "second");
    EXPECT_STREQ(app.descriptions->next()->str, "line");
    EXPECT_EQ(app.command, cmd);
    EXPECT_EQ(app.appParent, nullptr);
}

TEST(ApplicationModel, ActionAndWindowSettersFollowTheLock)
{
    Action action(dup("act"));
    action.setSelectionRule(new ParserExpression(dup("a")));
    action.setSelectionRule(new ParserExpression(EOP_NOT, new ParserExpression(dup("b")), nullptr));
    EXPECT_EQ(action.selectionRule->op, EOP_NOT);
    action.setMinSelected(3);
    action.setMaxSelected(1); // stored as written, not compared with the minimum
    Window win(dup("w"));
    action.setWindow(&win);
    action.locked = 1;
    action.setMinSelected(7);
    action.setUrlPath(dup("/x"));
    action.setSelectionRule(new ParserExpression(dup("c")));
    action.setAccesses(new String());
    Window later(dup("later"));
    action.setWindow(&later);
    EXPECT_EQ(action.minSelected, 3);
    EXPECT_EQ(action.maxSelected, 1);
    EXPECT_EQ(action.urlPath, nullptr);
    EXPECT_EQ(action.accesses, nullptr);
    EXPECT_EQ(action.selectionRule->op, EOP_NOT);
    EXPECT_EQ(action.window, &win);
    action.window = nullptr; // the windows belong to the test here

    Window fresh;
    EXPECT_EQ(fresh.type, TSP_NA);
    EXPECT_EQ(fresh.width, -1);
    fresh.setType(TSP_MENUONLY);
    fresh.setResizable(OOF_OFF);
    fresh.locked = 1;
    fresh.setHeight(200);
    fresh.setType(TSP_FULL);
    EXPECT_EQ(fresh.type, TSP_MENUONLY);
    EXPECT_EQ(fresh.resizable, OOF_OFF);
    EXPECT_EQ(fresh.height, -1);

    Command cmd;
    cmd.setHostSpec(dup("h1"));
    cmd.setHostSpec(dup("h2"));
    cmd.setProcessFlag(PFL_RESTART | PFL_INITIAL);
    cmd.locked = 1;
    cmd.setLaunchSpec(dup("l"));
    cmd.setProcessFlag(8);
    EXPECT_STREQ(cmd.hostSpec, "h2");
    EXPECT_EQ(cmd.launchSpec, nullptr);
    EXPECT_EQ(cmd.processFlag, 5ul);
}

TEST(ApplicationModel, ExpressionNodesAndOperatorTexts)
{
    ParserExpression number(-42);
    EXPECT_EQ(number.op, EOP_TERM);
    EXPECT_STREQ(number.term, "-42");
    ParserExpression none;
    EXPECT_EQ(none.op, EOP_NA);
    EXPECT_STREQ(getOpString(EOP_AND), "&&");
    EXPECT_STREQ(getOpString(EOP_OR), "||");
    EXPECT_STREQ(getOpString(EOP_ASSIGN), "=");
    EXPECT_STREQ(getOpString(EOP_EQUAL), "==");
    EXPECT_STREQ(getOpString(EOP_NOT), "!");
    EXPECT_STREQ(getOpString(EOP_NOT_EQUAL), "!=");
    EXPECT_STREQ(getOpString(EOP_TERM), "<err>");
    EXPECT_STREQ(getOpString(EOP_NA), "<err>");
    EXPECT_STREQ(getOpString(EOP_MAX), "<err>");
}

TEST(ApplicationModel, RegistrationListsAndLookups)
{
    ApplicationRegistration reg;
    EXPECT_EQ(reg.lookupApplication(const_cast<char*>("A")), nullptr);
    Application* a = reg.newApplication(dup("A"));
    Application* b = reg.newApplication(dup("B"));
    reg.newApplication(nullptr);
    EXPECT_EQ(reg.lookupApplication(const_cast<char*>("B")), b);
    EXPECT_EQ(reg.lookupApplication(const_cast<char*>("a")), nullptr); // exact case
    EXPECT_EQ(reg.lookupApplication(nullptr), nullptr);
    EXPECT_EQ(reg.applications->next(), a); // creation order behind the head
    EXPECT_EQ(a->next(), b);

    Window* w1 = reg.newWindow(dup("w"));
    Window* w2 = reg.newWindow(dup("w"));
    EXPECT_NE(w1, w2); // no duplicate check
    EXPECT_EQ(reg.lookupWindow(const_cast<char*>("w")), w1);

    // Menus and popup menus are held newest first; actions in creation order.
    a->newMenu(dup("m1"));
    a->newMenu(dup("m2"));
    a->newAction(dup("x"));
    a->newAction(dup("y"));
    EXPECT_EQ(menuNames(a), (std::vector<std::string>{"m2", "m1"}));
    EXPECT_EQ(actionNames(a), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(a->refMenus(), a->menus);
    a->newPopupMenu(dup("p1"));
    PopupMenu* p2 = a->newPopupMenu(dup("p2"));
    EXPECT_EQ(a->popupMenus->next(), p2);
    EXPECT_EQ(a->lookupPopupMenu(const_cast<char*>("p1")), p2->next());

    // Popup items and toolbar buttons are inserted in precedence order.
    reg.setPopupItems(new PopupItem(10, dup("low"), 0, nullptr, nullptr, nullptr));
    reg.setPopupItems(new PopupItem(-1, dup("none"), 0, nullptr, nullptr, nullptr));
    reg.setPopupItems(nullptr);
    EXPECT_STREQ(reg.popupItems->next()->label, "none");
    EXPECT_EQ(reg.lookupPopupItem(const_cast<char*>("low")), reg.popupItems->next()->next());
    reg.setToolbarButtons(new ToolbarButton(200, dup("top"), 1, nullptr, nullptr));
    reg.setToolbarButtons(new ToolbarButton(100, dup("second"), 0, nullptr, nullptr));
    EXPECT_STREQ(reg.toolbarButtons->next()->label, "top"); // 200 counts as 100, first comes first
}

TEST(ApplicationModel, MenuBarKeepsFirstPrecedenceAndMnemonic)
{
    TestParser parser(0);
    MenuBar bar(dup("File"));
    EXPECT_EQ(bar.order, PSLpriority);
    EXPECT_EQ(bar.getPrecedence(), 50);
    bar.setPrecedence(-1);
    EXPECT_EQ(bar.precedence, -1);
    bar.setPrecedence(70);
    bar.setPrecedence(70);
    EXPECT_EQ(parser->warnings, 0);
    bar.setPrecedence(30);
    EXPECT_EQ(bar.precedence, 70);
    EXPECT_EQ(parser->warnings, 1);

    bar.setMnemonic(nullptr);
    bar.setMnemonic(dup("F"));
    bar.setMnemonic(dup("F"));
    EXPECT_EQ(parser->warnings, 1);
    bar.setMnemonic(dup("x"));
    EXPECT_STREQ(bar.mnemonic, "F");
    EXPECT_EQ(parser->warnings, 2);
    bar.setMnemonic(dup("")); // no character: no warning
    EXPECT_EQ(parser->warnings, 2);

    Menu menu(dup("m"));
    PopupMenu popup(dup("p"));
    EXPECT_EQ(menu.order, PSLfifo);
    EXPECT_EQ(popup.order, PSLfifo);
}

TEST(ApplicationModel, LockedMenuRefusesANewEntryList)
{
    PopupMenu popup(dup("p"));
    PopupItem* first = new PopupItem();
    first->add(new PopupItem(-1, dup("one"), 0, nullptr, nullptr, nullptr));
    popup.setMenuItems(first);
    popup.locked = 1;
    PopupItem* second = new PopupItem();
    second->add(new PopupItem(-1, dup("two"), 0, nullptr, nullptr, nullptr));
    popup.setMenuItems(second);
    EXPECT_EQ(popup.menuItems, first);
    EXPECT_EQ(popup.refMenuItems(), first);
    EXPECT_STREQ(first->lookup_MenuItem(const_cast<char*>("one"))->label, "one");
    EXPECT_EQ(first->lookup_MenuItem(const_cast<char*>("two")), nullptr);
}

TEST(ApplicationModel, CycleTestFollowsLinksDepthFirst)
{
    Menu a(dup("a")), b(dup("b")), c(dup("c")), d(dup("d"));
    EXPECT_FALSE(_Menu::cycledetect(nullptr, &a));
    EXPECT_FALSE(_Menu::cycledetect(&a, nullptr));
    EXPECT_TRUE(_Menu::cycledetect(&a, &a));
    // a -> b -> c, a -> d -> c (shared submenu)
    MenuItem* ab = new MenuItem(-1, dup("ab"), 0, nullptr, nullptr, nullptr, nullptr);
    ab->menuLink = &b;
    MenuItem* ad = new MenuItem(-1, dup("ad"), 0, nullptr, nullptr, nullptr, nullptr);
    ad->menuLink = &d;
    a.refMenuItems()->add(ab);
    a.refMenuItems()->add(ad);
    MenuItem* bc = new MenuItem(-1, dup("bc"), 0, nullptr, nullptr, nullptr, nullptr);
    bc->menuLink = &c;
    b.refMenuItems()->add(bc);
    MenuItem* dc = new MenuItem(-1, dup("dc"), 0, nullptr, nullptr, nullptr, nullptr);
    dc->menuLink = &c;
    d.refMenuItems()->add(dc);
    EXPECT_TRUE(_Menu::cycledetect(&a, &c));
    EXPECT_TRUE(_Menu::cycledetect(&a, &d));
    EXPECT_FALSE(_Menu::cycledetect(&c, &a));
    EXPECT_FALSE(_Menu::cycledetect(&b, &d));
}

TEST(ApplicationModel, LinksMakePlaceholdersAndRefuseCycles)
{
    ApplicationRegistration reg;
    TestParser parser(0);
    parser->curAppReg = &reg;
    Application* app = reg.newApplication(dup("A"));
    parser->curApplication = app;

    // f.action (any letter case) creates one placeholder shared by every entry.
    ToolbarButton button(-1, dup("b"), 0, nullptr, fn("Action", "doIt"));
    EXPECT_EQ(button.linkAction(), 0);
    PopupItem popup(-1, dup("p"), 0, nullptr, nullptr, fn("ACTION", "doIt"));
    EXPECT_EQ(popup.linkAction(), 0);
    ASSERT_NE(button.actionLink, nullptr);
    EXPECT_EQ(button.actionLink, popup.actionLink);
    EXPECT_EQ(button.actionLink->application, app);
    EXPECT_EQ(button.actionLink->locked, 0);
    EXPECT_EQ(actionNames(app), (std::vector<std::string>{"doIt"}));

    // Missing names: errors 22 and 23, nothing linked.
    ToolbarButton noName(-1, dup("n"), 0, nullptr, fn("action", nullptr));
    EXPECT_EQ(noName.linkAction(), 0);
    EXPECT_EQ(noName.actionLink, nullptr);
    MenuItem noMenu(-1, dup("n"), 0, nullptr, nullptr, nullptr, fn("menu", nullptr));
    EXPECT_EQ(noMenu.linkMenu(), 0);
    EXPECT_EQ(parser->errors, 2);

    // Other functions, shell commands and entries without a function link nothing.
    MenuItem shell(-1, dup("s"), 0, nullptr, nullptr, nullptr, new Function(dup("ls"), nullptr, nullptr));
    MenuItem other(-1, dup("o"), 0, nullptr, nullptr, nullptr, fn("exec", "menu"));
    MenuItem bare(-1, dup("x"), 0, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(shell.linkAction() + shell.linkMenu() + other.linkMenu() + bare.linkAction() + bare.linkMenu(), 0);
    EXPECT_EQ(shell.menuLink, nullptr);
    EXPECT_EQ(other.menuLink, nullptr);
    EXPECT_EQ(app->actions->next()->next(), nullptr);

    // f.menu to an unknown name: a forward reference at the front of menus.
    Menu* a = app->newMenu(dup("A-menu"));
    parser->curMenu = a;
    MenuItem* toB = new MenuItem(-1, dup("toB"), 0, nullptr, nullptr, nullptr, fn("menu", "B-menu"));
    EXPECT_EQ(toB->linkMenu(), 0);
    a->refMenuItems()->add(toB);
    EXPECT_EQ(menuNames(app), (std::vector<std::string>{"B-menu", "A-menu"}));
    Menu* b = app->lookupMenu(const_cast<char*>("B-menu"));
    EXPECT_EQ(toB->menuLink, b);

    // Menu B naming A closes a cycle: error 24, entry kept unlinked.
    parser->curMenu = b;
    MenuItem back(-1, dup("back"), 0, nullptr, nullptr, nullptr, fn("menu", "A-menu"));
    EXPECT_EQ(back.linkMenu(), 0);
    EXPECT_EQ(back.menuLink, nullptr);
    MenuItem self(-1, dup("self"), 0, nullptr, nullptr, nullptr, fn("menu", "B-menu"));
    EXPECT_EQ(self.linkMenu(), 0);
    EXPECT_EQ(self.menuLink, nullptr);
    EXPECT_EQ(parser->errors, 4);

    // Popup menus live in their own namespace.
    parser->curMenu = nullptr;
    PopupItem toPopup(-1, dup("tp"), 0, nullptr, nullptr, fn("menu", "A-menu"));
    EXPECT_EQ(toPopup.linkPopupMenu(), 0);
    EXPECT_EQ(toPopup.menuLink, app->lookupPopupMenu(const_cast<char*>("A-menu")));
    EXPECT_NE(toPopup.menuLink, nullptr);

    // Without a current application nothing is resolved and nothing reported.
    parser->curApplication = nullptr;
    MenuItem lost(-1, dup("l"), 0, nullptr, nullptr, nullptr, fn("action", nullptr));
    EXPECT_EQ(lost.linkAction() + lost.linkMenu(), 0);
    EXPECT_EQ(parser->errors, 4);
}
