#include "GoldenSupport.h"

using namespace kivparser;

TEST(ApplicationGolden, TwoFilesMergeIntoOneApplication)
{
    expectGolden({{"merge_a.reg", {}},
                  {"merge_b.reg",
                   {"W 3 Application Mapper: duplicate definition(ignore)",
                    "W 12 Action open: duplicate definition(ignore)"}}},
                 "merge.dump");
}

TEST(ApplicationGolden, MenuBarsSortByPrecedenceRankAndName)
{
    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    expectGolden({{"order_a.reg", {}},
                  {"order_b.reg", {}},
                  {"order_c.reg", {}},
                  {"order_d.reg", {}},
                  {"order_e.reg", {}}},
                 "order.dump");
}

TEST(ApplicationGolden, BarMovesOnceAndKeepsFirstPrecedenceAndMnemonic)
{
    expectGolden({{"moves.reg",
                   {"W 6 MenuBar Mover: precedence 30 ignored; already defined as 70",
                    "W 9 MenuBar Sixty: mnemonic _X ignored; already defined as _S"}}},
                 "moves.dump");
}

TEST(ApplicationGolden, CascadesOfTwoApplicationsShareOneSubmenu)
{
    expectGolden({{"cascade_a.reg", {}},
                  {"cascade_b.reg", {}},
                  {"cascade_c.reg", {"W 1 Application alpha: duplicate definition(ignore)"}}},
                 "cascade.dump");
}

TEST(ApplicationGolden, DuplicateLabelsMultiActionEntriesAndMovedCascades)
{
    expectGolden({{"dup.reg",
                   {"W 4 MenuItem \"Sub\": missing menu name after f.menu",
                    "W 5 detect duplicate MenuItem \"Sub\";ignore this MenuItem",
                    "W 10 detect duplicate MenuItem \"Open\"; ignore this MenuItem",
                    "W 12 detect duplicate MenuItem \"Run\"; ignore this MenuItem",
                    "E 18 Application \"dup\": Action \"open3\" is referenced but not defined."}}},
                 "dup.dump");
}

TEST(ApplicationGolden, ForwardReferencesCyclesAndMissingNames)
{
    expectGolden({{"links.reg",
                   {"E 6 f.action name is not specified(ignore)",
                    "E 7 f.menu name is not specified(ignore)",
                    "E 10 f.action name is not specified(ignore)",
                    "E 11 f.menu name is not specified(ignore)",
                    "E 15 f.menu A: cyclic reference.(ignore)",
                    "E 15 f.menu LaterMenu: cyclic reference.(ignore)",
                    "E 16 f.menu C: cyclic reference.(ignore)",
                    "E 17 f.menu P: cyclic reference.(ignore)"}}},
                 "links.dump");
}

TEST(ApplicationGolden, PopupMenuDefinedTwiceKeepsTheFirst)
{
    expectGolden({{"popup_a.reg", {}},
                  {"popup_b.reg",
                   {"W 1 Application pop: duplicate definition(ignore)",
                    "W 2 PopupMenu Ctx: duplicate definition(ignore)",
                    "W 5 PopupItem Open: duplicate definition(ignore)",
                    "E 9 Application \"pop\": Action \"second\" is referenced but not defined."}}},
                 "popup.dump");
}

TEST(ApplicationGolden, ActionsRulesAccessesAndWindows)
{
    ApplicationRegistration* reg = parseFiles({{"actions_a.reg", {}},
                                               {"actions_b.reg",
                                                {"W 1 Application act: duplicate definition(ignore)",
                                                 "W 2 Action one: duplicate definition(ignore)"}}});
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(dumpOf(reg), readExpected("actions.dump"));

    // Every webwindow block adds a window; the one of the locked action is
    // attached to nothing.
    Window* w1 = reg->windows ? reg->windows->next() : nullptr;
    ASSERT_NE(w1, nullptr);
    ASSERT_NE(w1->next(), nullptr);
    ASSERT_NE(w1->next()->next(), nullptr);
    Window* w2 = w1->next();
    EXPECT_STREQ(w2->windowID, "W2");
    EXPECT_EQ(w2->width, 10);
    EXPECT_EQ(w2->locked, 1);
    Application* app = reg->lookupApplication(const_cast<char*>("act"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->lookupAction(const_cast<char*>("one"))->window, w1);
    EXPECT_EQ(app->lookupAction(const_cast<char*>("five"))->window, w2->next());
    delete reg;
}

TEST(ApplicationGolden, ParentsSelfParentAndUndefinedActionsPerBlock)
{
    expectGolden({{"parents_a.reg",
                   {"E 1 Application \"Self\": parent application cannot be self",
                    "E 3 Application \"Self\": Action \"undefined1\" is referenced but not defined.",
                    "E 3 Application \"Self\": Action \"undefined2\" is referenced but not defined."}},
                  {"parents_b.reg", {}},
                  {"parents_c.reg", {}},
                  {"parents_d.reg",
                   {"W 1 Application Self: duplicate definition(ignore)",
                    "E 2 Application \"Self\": Action \"undefined1\" is referenced but not defined.",
                    "E 2 Application \"Self\": Action \"undefined2\" is referenced but not defined."}}},
                 "parents.dump");
}

TEST(ApplicationGolden, FunctionNamesInAnyCaseAndProcessFlags)
{
    ApplicationRegistration* reg = parseFiles({{"case.reg", {}}});
    ASSERT_NE(reg, nullptr);
    Application* app = reg->lookupApplication(const_cast<char*>("case"));
    ASSERT_NE(app, nullptr);
    MenuBar* bar = reg->lookupMenuBar(const_cast<char*>("Bar"));
    ASSERT_NE(bar, nullptr);
    MenuItem* one = static_cast<MenuItem*>(bar->menuItems->lookup_MenuItem(const_cast<char*>("One")));
    MenuItem* two = static_cast<MenuItem*>(bar->menuItems->lookup_MenuItem(const_cast<char*>("Two")));
    ASSERT_TRUE(one && two);
    EXPECT_EQ(two->next(), nullptr); // the empty statement adds nothing
    EXPECT_EQ(one->actionLink, app->lookupAction(const_cast<char*>("act")));
    EXPECT_NE(one->actionLink, nullptr);
    EXPECT_EQ(two->menuLink, app->lookupMenu(const_cast<char*>("Sub")));
    EXPECT_NE(two->menuLink, nullptr);
    EXPECT_STREQ(two->function->functionType, "MENU");
    ASSERT_NE(app->command, nullptr);
    EXPECT_EQ(app->command->processFlag, 2ul | 8ul);
    Command* actionCommand = one->actionLink->command;
    ASSERT_NE(actionCommand, nullptr);
    EXPECT_EQ(actionCommand->processFlag, 1ul);
    EXPECT_STREQ(actionCommand->hostSpec, "h");
    EXPECT_STREQ(actionCommand->launchSpec, "l");
    EXPECT_STREQ(actionCommand->commandName, "act");
    delete reg;
}
