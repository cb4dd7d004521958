#include "kivparser/kivparser.h"
#include "support/TestParser.h"
#include "language/BuilderContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace kivparser;

namespace {

char* text(const char* s)
{
    return strdup(s);
}

struct ApplicationDefinition {
    using Owner = ApplicationRegistration;
    using Object = Application;
    static constexpr Application* (ApplicationRegistration::*lookup)(const char*) = &ApplicationRegistration::lookupApplication;
    static constexpr auto create = &ApplicationRegistration::newApplication;
    static constexpr const char* kind = "Application";
    static constexpr bool reportEvery = false;
    static constexpr auto owner = &KivParser::curAppReg;
};

struct EveryApplicationDefinition : ApplicationDefinition {
    static constexpr bool reportEvery = true;
};

} // namespace

// A missing current object is an internal error with the caller's number;
// what the statement handed over is released (the leak checker proves it).
TEST(BuilderContext, MissingObjectsReportTheCallersNumber)
{
    TestParser parser(1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(BuilderContext::current(&KivParser::curApplication, 611), nullptr);
    EXPECT_EQ(BuilderContext::withValue(&KivParser::curAction, 612, text("lost"), [](Action*, char*) {}), 1);
    EXPECT_EQ(BuilderContext::ownerFor(&KivParser::curAppReg, text("App"), 613), nullptr);
    EXPECT_EQ(BuilderContext::define<ApplicationDefinition>(text("App"), 614), nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    for (int check : {611, 612, 613, 614})
        EXPECT_NE(out.find("internal error at grammar.Y(" + std::to_string(check) + ")"), std::string::npos) << out;
    EXPECT_EQ(parser->errors, 4);

    // An owner with a name the scanner could not copy: out of memory.
    ASSERT_EQ(BuilderContext::startRoot(&KivParser::curAppReg, 615), 0);
    ApplicationRegistration* reg = parser->curAppReg;
    ASSERT_EQ(BuilderContext::startRoot(&KivParser::curAppReg, 615), 0);
    EXPECT_EQ(parser->curAppReg, reg);
    testing::internal::CaptureStdout();
    EXPECT_EQ(BuilderContext::ownerFor(&KivParser::curAppReg, nullptr, 616), nullptr);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(parser->errors, 5);

    // take hands the object over and clears the field.
    parser->curString = new String();
    String* taken = BuilderContext::take(&KivParser::curString, 617);
    EXPECT_NE(taken, nullptr);
    EXPECT_EQ(parser->curString, nullptr);
    SListOps::disposeList(taken);
    delete reg;
    parser->curAppReg = nullptr;
}

// A definition reports a re-opened locked element when its kind has a name,
// any re-opened one when the kind says so; a reference never reports.
TEST(BuilderContext, DefinitionsReportDuplicatesAsTheirKindSays)
{
    TestParser parser(0);
    ApplicationRegistration reg;
    Application* app = BuilderContext::open<ApplicationDefinition>(&reg, text("A"));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(BuilderContext::open<ApplicationDefinition>(&reg, text("A")), app);
    EXPECT_EQ(parser->warnings, 0);
    EXPECT_EQ(BuilderContext::open<EveryApplicationDefinition>(&reg, text("A")), app);
    EXPECT_EQ(parser->warnings, 1);
    app->locked++;
    EXPECT_EQ(BuilderContext::refer<ApplicationDefinition>(&reg, text("A")), app);
    EXPECT_EQ(parser->warnings, 1);
    EXPECT_EQ(BuilderContext::open<ApplicationDefinition>(&reg, text("A")), app);
    EXPECT_EQ(parser->warnings, 2);
    EXPECT_EQ(reg.applications->next()->next(), nullptr);
}
