#include "AppTestSupport.h"
#include "support/TestParser.h"
#include "application/ActionBuilder.h"
#include "application/ApplicationBuilder.h"
#include "application/MenuBuilder.h"

#include <gtest/gtest.h>

#include <string>

using namespace kivparser;

namespace {

// The reports a verbose parser printed while `run` ran.
template <class Run>
std::string printed(Run run)
{
    testing::internal::CaptureStdout();
    run();
    return testing::internal::GetCapturedStdout();
}

bool hasInternal(const std::string& out, int check)
{
    return out.find("Error: fatal: internal error at grammar.Y(" + std::to_string(check) + ")") != std::string::npos;
}

} // namespace

// Grammar actions that find no current object report an internal error and
// end the parse (non-zero), releasing what they were given.
TEST(ApplicationBuilders, MissingCurrentObjectsAreInternalErrors)
{
    TestParser parser(1);
    std::string out = printed([] {
        EXPECT_EQ(ApplicationBuilder::beginApplication(dup("A"), dup("P")), 1); // no registration
        EXPECT_EQ(ApplicationBuilder::displayString(dup("d")), 1);              // no application
        EXPECT_EQ(ApplicationBuilder::description(), 1);
        EXPECT_EQ(ApplicationBuilder::endApplication(), 1);
        EXPECT_EQ(ApplicationBuilder::commandName(dup("c")), 1);                // no command
        EXPECT_EQ(ApplicationBuilder::applicationCommand(), 1);
        EXPECT_EQ(MenuBuilder::beginMenu(dup("m")), 1);
        EXPECT_EQ(MenuBuilder::endMenu(), 1);
        EXPECT_EQ(MenuBuilder::endMenuBar(), 1);
        EXPECT_EQ(MenuBuilder::endPopupMenu(), 1);
        EXPECT_EQ(MenuBuilder::popupMenuItem(-1, dup("p"), dup("c"), dup("any")), 1);
        EXPECT_EQ(ActionBuilder::beginAction(dup("a")), 1);
        EXPECT_EQ(ActionBuilder::minSelected(1), 1);
        EXPECT_EQ(ActionBuilder::selectionRule(new ParserExpression(dup("x"))), 1);
        EXPECT_EQ(ActionBuilder::endAction(), 1);
        EXPECT_EQ(ActionBuilder::windowWidth(3), 1);
        EXPECT_EQ(ActionBuilder::endWindow(), 1);
    });
    EXPECT_EQ(parser->errors, 17);
    EXPECT_EQ(parser->warnings, 0);
    EXPECT_TRUE(hasInternal(out, 101)) << out;
    EXPECT_TRUE(hasInternal(out, 300)) << out;
    EXPECT_TRUE(hasInternal(out, 302)) << out;
    EXPECT_TRUE(hasInternal(out, 307)) << out;
}

// With a registration and an application but no action, a window block
// still adds its window to the registration; its end then fails.
TEST(ApplicationBuilders, WindowWithoutActionStaysInTheRegistration)
{
    TestParser parser(0);
    ASSERT_EQ(ApplicationBuilder::startRegistration(), 0);
    ApplicationRegistration* reg = parser->curAppReg;
    ASSERT_NE(reg, nullptr);
    ASSERT_EQ(ApplicationBuilder::startRegistration(), 0);
    EXPECT_EQ(parser->curAppReg, reg); // an existing root is kept
    ASSERT_EQ(ApplicationBuilder::beginApplication(dup("A"), nullptr), 0);
    ASSERT_EQ(ActionBuilder::beginWindow(dup("w")), 0);
    EXPECT_EQ(ActionBuilder::windowType(TSP_LIMITED), 0);
    EXPECT_EQ(ActionBuilder::endWindow(), 1);
    EXPECT_EQ(parser->errors, 1);
    Window* window = reg->lookupWindow(const_cast<char*>("w"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->type, TSP_LIMITED);
    EXPECT_EQ(window->locked, 1);
    EXPECT_EQ(parser->curWindow, nullptr);
    delete reg;
}

// What a failed statement left half built (a command, a function, a popup
// menu's collected entries) is disposed of after the parse; a new function
// replaces one left over.
TEST(ApplicationBuilders, UnfinishedStatementsAreDisposedOf)
{
    TestParser parser(0);
    ASSERT_EQ(ApplicationBuilder::startRegistration(), 0);
    ApplicationRegistration* reg = parser->curAppReg;
    ASSERT_EQ(ApplicationBuilder::beginApplication(dup("A"), nullptr), 0);
    ASSERT_EQ(ApplicationBuilder::beginCommand(), 0);
    ASSERT_EQ(ApplicationBuilder::hostAndLaunchSpec(dup("h"), dup("l")), 0);
    ASSERT_EQ(ApplicationBuilder::beginCommand(), 0); // replaces the first
    EXPECT_EQ(parser->curCommand->hostSpec, nullptr);
    ASSERT_EQ(ApplicationBuilder::namedFunction(dup("action"), dup("x")), 0);
    ASSERT_EQ(ApplicationBuilder::shellFunction(dup("ls")), 0);
    EXPECT_STREQ(parser->curFunction->shellCommand, "ls");
    ASSERT_EQ(MenuBuilder::beginPopupMenu(dup("P")), 0);
    ASSERT_EQ(MenuBuilder::popupMenuItem(-1, dup("e"), dup("c"), dup("any")), 0);
    PopupMenu* popup = parser->curPopupMenu;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ApplicationBuilder::discardUnfinished(), 0);
    EXPECT_EQ(parser->curCommand, nullptr);
    EXPECT_EQ(parser->curFunction, nullptr);
    EXPECT_EQ(parser->curMenuItem, nullptr);
    EXPECT_EQ(parser->curPopupMenu, nullptr);
    EXPECT_EQ(popup->menuItems, nullptr); // the block never ended
    EXPECT_EQ(parser->errors, 0);
    delete reg;
}

// Selection-rule nodes: comparisons hold the field and the value as terms;
// integers become their decimal text.
TEST(ApplicationBuilders, ExpressionNodes)
{
    TestParser parser(0);
    ParserExpression* eq = nullptr;
    ASSERT_EQ(ActionBuilder::equalsInteger(dup("p"), -7, &eq), 0);
    ParserExpression* ne = nullptr;
    ASSERT_EQ(ActionBuilder::differsFromText(dup("q"), dup("v w"), &ne), 0);
    ParserExpression* no = nullptr;
    ASSERT_EQ(ActionBuilder::notExpression(eq, &no), 0);
    ParserExpression* both = nullptr;
    ASSERT_EQ(ActionBuilder::andExpression(no, ne, &both), 0);
    EXPECT_EQ(both->op, EOP_AND);
    EXPECT_EQ(both->expr1->op, EOP_NOT);
    EXPECT_EQ(both->expr1->expr2, nullptr);
    EXPECT_EQ(both->expr1->expr1->op, EOP_EQUAL);
    EXPECT_STREQ(both->expr1->expr1->expr1->term, "p");
    EXPECT_STREQ(both->expr1->expr1->expr2->term, "-7");
    EXPECT_EQ(both->expr2->op, EOP_NOT_EQUAL);
    EXPECT_STREQ(both->expr2->expr2->term, "v w");
    testing::internal::CaptureStdout();
    both->debugDump();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "(!((\"p\"==\"-7\"))&&(\"q\"!=\"v w\"))");
    ActionBuilder::disposeExpression(both);

    // A name the scanner could not copy: out of memory, the parse ends.
    ParserExpression* lost = nullptr;
    EXPECT_EQ(ActionBuilder::equalsText(nullptr, dup("v"), &lost), 1);
    EXPECT_EQ(lost, nullptr);
    EXPECT_EQ(parser->errors, 1);
}

// The dump of expressions whose shape no grammar rule builds.
TEST(ApplicationBuilders, ExpressionDumpOfOddTrees)
{
    ParserExpression none;
    ParserExpression nullTerm(static_cast<char*>(nullptr));
    ParserExpression assign(EOP_ASSIGN, new ParserExpression(dup("a")), nullptr);
    ParserExpression lonelyNot(EOP_NOT, nullptr, nullptr);
    ParserExpression odd(EOP_MAX, new ParserExpression(1), new ParserExpression(2));
    testing::internal::CaptureStdout();
    none.debugDump();
    nullTerm.debugDump();
    assign.debugDump();
    lonelyNot.debugDump();
    odd.debugDump();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "<n/a><null>(\"a\"=<err>)!(<err>)(\"1\"<err>\"2\")");
}

// A selection rule written as a long chain (a && a && ... ) is a tree as
// deep as the chain; releasing it must not exhaust the stack.
TEST(ApplicationBuilders, DeepExpressionTreesAreReleased)
{
    TestParser parser(0);
    ParserExpression* tree = nullptr;
    ASSERT_EQ(ActionBuilder::nameTerm(dup("a"), &tree), 0);
    for (int i = 0; i < 300000; i++) {
        ParserExpression* term = nullptr;
        ASSERT_EQ(ActionBuilder::integerTerm(i, &term), 0);
        ParserExpression* joined = nullptr;
        ASSERT_EQ(i % 2 ? ActionBuilder::andExpression(tree, term, &joined)
                        : ActionBuilder::notExpression(tree, &joined),
                  0);
        if (!(i % 2))
            delete term;
        tree = joined;
    }
    ActionBuilder::disposeExpression(tree);
    EXPECT_EQ(parser->errors, 0);
}
