#include "application/AppTestSupport.h"
#include "application/GoldenSupport.h"
#include "application/MenuTrace.h"

#include <gtest/gtest.h>

#include <string>

using namespace kivparser;

TEST(ApplicationDump, EmptyRegistrationPrintsOnlyTheSharedLists)
{
    ApplicationRegistration reg;
    EXPECT_EQ(dumpOf(&reg), "PopupItems {\n}\nToolbarButtons {\n}\n");
}

// Entries without a function print no function line; the indentation
// follows the level the dump was started at.
TEST(ApplicationDump, EntriesWithoutFunctionAndNestedLevels)
{
    MenuItem item(250, dup("x.gif"), 1, dup("m"), dup("Ctrl<Key>x"), dup("c"), nullptr);
    PopupItem popup(-1, dup("p"), 0, nullptr, nullptr, nullptr);
    ToolbarButton button(0, dup("b"), 0, nullptr, new Function(dup("ls -l"), nullptr, nullptr));
    Command command;
    command.setProcessFlag(PFL_SHARED | PFL_DISABLESYMDELETE);
    command.setLaunchSpec(dup("launcher"));
    Indent = 1;
    testing::internal::CaptureStdout();
    item.debugDump(1);
    popup.debugDump(1);
    button.debugDump(0);
    command.debugDump();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Indent, 1);
    Indent = 0;
    EXPECT_EQ(out,
              "    MenuItem <250> \"@x.gif\" _m [Ctrl<Key>x] {\n"
              "        ContextExpression : \"c\"\n"
              "    }\n"
              "    PopupItem <-1> \"p\" {\n"
              "        ContextExpression : \"\"\n"
              "        TargetSymbolType : \"\"\n"
              "    }\n"
              "    ToolbarButton <0> \"b\" {\n"
              "        ContextExpression : \"\"\n"
              "        Function : ! ls -l\n"
              "    }\n"
              "    Flag : a\n"
              "    Command Name : \"\"\n"
              "    HostSpec : \"\"\n"
              "    HostSpec : \"launcher\"\n");
}

TEST(ApplicationDump, MenuTraceNamesConstructionAndDestruction)
{
    menuTraceVerbose = 1;
    menuBarTraceVerbose = 1;
    menuItemTraceVerbose = 1;
    testing::internal::CaptureStderr();
    {
        Menu menu(dup("m"));
        PopupMenu popup;
        MenuBar bar(dup("b"));
        ToolbarButton button(-1, dup("t"), 0, nullptr, nullptr);
    }
    std::string out = testing::internal::GetCapturedStderr();
    menuTraceVerbose = menuBarTraceVerbose = menuItemTraceVerbose = 0;
    EXPECT_EQ(out,
              "Menu::Menu(m)\n"
              "PopupMenu::PopupMenu(NONE)\n"
              "MenuBar::MenuBar(b)\n"
              "ToolbarButton::ToolbarButton(t)\n"
              "ToolbarButton::~ToolbarButton(t)\n"
              "MenuBar::~MenuBar(b)\n"
              "PopupMenu::~PopupMenu(NONE)\n"
              "Menu::~Menu(m)\n");
}
