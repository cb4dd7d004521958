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
    EXPECT_EQ(BuilderContext::define(&KivParser::curAppReg, text("App"), &ApplicationRegistration::lookupApplication,
                                     &ApplicationRegistration::newApplication, "Application", 614),
              nullptr);
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

// findOrCreate reports a re-opened locked element when it names the kind, any
// re-opened one when told to, and never without a kind.
TEST(BuilderContext, FindOrCreateReportsDuplicatesAsAsked)
{
    TestParser parser(0);
    ApplicationRegistration reg;
    auto open = [&reg](const char* name, const char* kind, bool every) {
        return BuilderContext::findOrCreate(&reg, text(name), &ApplicationRegistration::lookupApplication,
                                            &ApplicationRegistration::newApplication, kind, every);
    };
    Application* app = open("A", "Application", false);
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(open("A", "Application", false), app);
    EXPECT_EQ(parser->warnings, 0);
    EXPECT_EQ(open("A", "Application", true), app);
    EXPECT_EQ(parser->warnings, 1);
    app->locked++;
    EXPECT_EQ(open("A", nullptr, true), app);
    EXPECT_EQ(parser->warnings, 1);
    EXPECT_EQ(open("A", "Application", false), app);
    EXPECT_EQ(parser->warnings, 2);
    EXPECT_EQ(reg.applications->next()->next(), nullptr);
}
