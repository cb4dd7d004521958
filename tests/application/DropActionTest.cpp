#include "AppTestSupport.h"
#include "application/DropActionBuilder.h"

#include <gtest/gtest.h>

using namespace kivparser;

TEST(DropActionBuilder, RedefinitionWarnsOnlyOnceLocked)
{
    ApplicationRegistration reg;
    IdleParser parser(&reg);
    Application* app = reg.newApplication(dup("A"));
    parser->curApplication = app;

    ASSERT_EQ(DropActionBuilder::beginDropAction(dup("D")), 0);
    DropAction* drop = parser->curDropAction;
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(DropActionBuilder::operations(3), 0);
    EXPECT_EQ(DropActionBuilder::helpString(dup("help")), 0);
    // Reopening an unlocked drop action (no block ended yet) says nothing.
    ASSERT_EQ(DropActionBuilder::beginDropAction(dup("D")), 0);
    EXPECT_EQ(parser->warnings, 0);
    EXPECT_EQ(DropActionBuilder::endDropAction(), 0);
    EXPECT_EQ(parser->curDropAction, nullptr);
    EXPECT_EQ(drop->locked, 1);

    ASSERT_EQ(DropActionBuilder::beginDropAction(dup("D")), 0);
    EXPECT_EQ(parser->warnings, 1);
    EXPECT_EQ(parser->curDropAction, drop);
    EXPECT_EQ(DropActionBuilder::operations(1), 0);
    EXPECT_EQ(DropActionBuilder::selectionRule(new ParserExpression(dup("x"))), 0);
    EXPECT_EQ(DropActionBuilder::endDropAction(), 0);
    EXPECT_EQ(drop->dropOp, 3ul);
    EXPECT_EQ(drop->selectionRule, nullptr);
    EXPECT_EQ(drop->locked, 2);

    // One drop action under the name, a second one under another name.
    ASSERT_EQ(DropActionBuilder::beginDropAction(dup("E")), 0);
    ASSERT_EQ(DropActionBuilder::endDropAction(), 0);
    EXPECT_EQ(app->dropActions->next(), drop);
    ASSERT_NE(drop->next(), nullptr);
    EXPECT_STREQ(drop->next()->dropActionID, "E");
    EXPECT_EQ(drop->next()->next(), nullptr);
    EXPECT_EQ(parser->errors, 0);
}

TEST(DropActionBuilder, StatementsWithoutTheirObjectEndTheParse)
{
    IdleParser parser;
    EXPECT_EQ(DropActionBuilder::beginDropAction(dup("D")), 1);
    EXPECT_EQ(DropActionBuilder::operations(1), 1);
    EXPECT_EQ(DropActionBuilder::selectionRule(new ParserExpression(dup("x"))), 1);
    EXPECT_EQ(DropActionBuilder::helpString(dup("h")), 1);
    EXPECT_EQ(DropActionBuilder::endDropAction(), 1);
    EXPECT_EQ(parser->errors, 5);
}
