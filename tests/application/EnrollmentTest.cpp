#include "AppTestSupport.h"
#include "ListNames.h"
#include "application/EnrollmentBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

std::vector<EnrollOpType> operations(Application* app)
{
    std::vector<EnrollOpType> out;
    for (Enrollment* e = app->enrollments ? app->enrollments->next() : nullptr; e; e = e->next())
        out.push_back(e->enrollOp);
    return out;
}

ParserExpression* term(const char* text)
{
    return new ParserExpression(dup(text));
}

} // namespace

TEST(FieldEnrollment, SettersReplaceAndDefaultsSwitchType)
{
    FieldEnrollment field(dup("F"));
    EXPECT_EQ(field.defaultValueType, VLU_NA);
    EXPECT_EQ(field.geometryWidth, -1);
    EXPECT_EQ(field.listSelectionPolicy, LSP_NA);

    // A string replaced by a string, then by an integer, then by a string
    // again: every text given up is released (the leak check sees it).
    field.setDefaultValue(dup("first"));
    field.setDefaultValue(dup("second"));
    EXPECT_EQ(field.defaultValueType, VLU_STRING);
    EXPECT_STREQ(field.defaultValue.defaultValue_string, "second");
    field.setDefaultValue(42);
    EXPECT_EQ(field.defaultValueType, VLU_INTEGER);
    EXPECT_EQ(field.defaultValue.defaultValue_integer, 42);
    field.setDefaultValue(7);
    EXPECT_EQ(field.defaultValue.defaultValue_integer, 7);
    field.setDefaultValue(dup("last"));
    EXPECT_STREQ(field.defaultValue.defaultValue_string, "last");

    // Four values, then two: width and height back to "not given".
    field.setGeometry(1, 2, 3, 4);
    EXPECT_EQ(field.geometryHeight, 4);
    field.setGeometry(5, 6);
    EXPECT_EQ(field.geometryX, 5);
    EXPECT_EQ(field.geometryY, 6);
    EXPECT_EQ(field.geometryWidth, -1);
    EXPECT_EQ(field.geometryHeight, -1);

    field.setFieldLabel(dup("one"));
    field.setFieldLabel(dup("two"));
    EXPECT_STREQ(field.fieldLabel, "two");
}

TEST(EnrollmentBuilder, EveryEnrollAppendsEvenToALockedApplication)
{
    ApplicationRegistration reg;
    IdleParser parser(&reg);
    Application* app = reg.newApplication(dup("A"));
    parser->curApplication = app;

    ASSERT_EQ(EnrollmentBuilder::beginEnrollment(ENR_ADD), 0);
    ASSERT_EQ(EnrollmentBuilder::beginRule(term("isNode")), 0);
    Rule* addRule = parser->curRule;
    app->locked = 1;
    ASSERT_EQ(EnrollmentBuilder::beginEnrollment(ENR_ADD), 0);

    // The configuration block: one unconditional rule, made at once.
    ASSERT_EQ(EnrollmentBuilder::beginConfiguration(), 0);
    Rule* config = parser->curRule;
    ASSERT_NE(config, nullptr);
    EXPECT_NE(config, addRule);
    EXPECT_EQ(config->expr1, nullptr);
    EXPECT_EQ(config->expr2, nullptr);
    EXPECT_EQ(parser->curEnrollment->rules->next(), config);
    EXPECT_EQ(EnrollmentBuilder::scale(4), 0);
    EXPECT_EQ(EnrollmentBuilder::initialVerify(OOF_OFF), 0);
    EXPECT_EQ(EnrollmentBuilder::beginFieldEnrollment(dup("F")), 0);
    EXPECT_EQ(EnrollmentBuilder::geometryWithSize(1, 2, 3, 4), 0);
    EXPECT_EQ(EnrollmentBuilder::defaultText(dup("d")), 0);
    EXPECT_EQ(EnrollmentBuilder::endFieldEnrollment(), 0);
    EXPECT_EQ(parser->curFieldEnrollment, nullptr);
    // Scale after a field block still sets the rule's scale.
    EXPECT_EQ(EnrollmentBuilder::scale(6), 0);
    EXPECT_EQ(config->scale, 6);
    EXPECT_EQ(config->initialVerify, OOF_OFF);
    EXPECT_EQ(namesOf(config->fieldEnrollments, &FieldEnrollment::fieldEnrollName), (Names{"F"}));

    EXPECT_EQ(operations(app), (std::vector<EnrollOpType>{ENR_ADD, ENR_ADD, ENR_CONFIG}));
    EXPECT_EQ(parser->errors, 0);
}

TEST(EnrollmentBuilder, StatementsWithoutTheirObjectEndTheParse)
{
    IdleParser parser;
    testing::internal::CaptureStdout();
    parser->verbose = 1;
    EXPECT_EQ(EnrollmentBuilder::beginEnrollment(ENR_ADD), 1);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Error: fatal: internal error at grammar.Y("), std::string::npos) << printed;
    parser->verbose = 0;
    EXPECT_EQ(EnrollmentBuilder::beginConfiguration(), 1);

    // No enrollment, rule or field enrollment: each statement reports once
    // and releases what it was handed.
    EXPECT_EQ(EnrollmentBuilder::beginRule(term("a")), 1);
    EXPECT_EQ(EnrollmentBuilder::beginConnectRule(term("a"), term("b")), 1);
    EXPECT_EQ(EnrollmentBuilder::scale(1), 1);
    EXPECT_EQ(EnrollmentBuilder::help(HLP_QUICKHELP, dup("h")), 1);
    EXPECT_EQ(EnrollmentBuilder::beginFieldEnrollment(dup("f")), 1);
    EXPECT_EQ(EnrollmentBuilder::fieldLabel(dup("l")), 1);
    EXPECT_EQ(EnrollmentBuilder::defaultText(dup("d")), 1);
    EXPECT_EQ(EnrollmentBuilder::defaultInteger(3), 1);
    EXPECT_EQ(EnrollmentBuilder::geometry(1, 2), 1);
    EXPECT_EQ(EnrollmentBuilder::editPolicy(EDP_EDIT), 1);
    EXPECT_EQ(parser->errors, 12);
    EXPECT_EQ(parser->warnings, 0);
}
