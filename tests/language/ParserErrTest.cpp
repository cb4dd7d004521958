#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cstdarg>
#include <gtest/gtest.h>
#include <string>

using namespace kivparser;

namespace {

const std::string S = "\n------------------------------\n";

void useBuiltInTexts()
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
}

std::string reportOf(PESeverity severity, const char* file, int line, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    testing::internal::CaptureStdout();
    VParserErr(severity, file, line, fmt, ap);
    va_end(ap);
    return testing::internal::GetCapturedStdout();
}

} // namespace

TEST(ParserErr, VerboseReportsAreFramedWithFileAndLine)
{
    useBuiltInTexts();
    TestParser parser(1, "apps/map%d.reg", 12);

    testing::internal::CaptureStdout();
    warning(parserMsg(MSG_DUPLICATE), "Menu", "File");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              S + "File: apps/map%d.reg\nLine: 12\nWarning: Menu File: duplicate definition(ignore)" + S);
    EXPECT_EQ(parser->warnings, 1);
    EXPECT_EQ(parser->errors, 0);

    testing::internal::CaptureStdout();
    KIVyyerror("syntax error");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), S + "File: apps/map%d.reg\nLine: 12\nError: syntax error" + S);
    EXPECT_EQ(parser->errors, 1);

    // The grammar's text is the message itself, never a format.
    testing::internal::CaptureStdout();
    KIVyyerror("bad %s %d");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), S + "File: apps/map%d.reg\nLine: 12\nError: bad %s %d" + S);

    testing::internal::CaptureStdout();
    internal(417);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              S + "File: apps/map%d.reg\nLine: 12\nError: fatal: internal error at grammar.Y(417)" + S);
    EXPECT_EQ(parser->errors, 3);
    EXPECT_EQ(parser->warnings, 1);
}

TEST(ParserErr, HeaderPartsDependOnFileAndLine)
{
    useBuiltInTexts();
    TestParser parser(1, nullptr, 7);
    testing::internal::CaptureStdout();
    error("%s: %d", "count", 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), S + "Error: count: 3" + S);

    parser.setFile("x.reg");
    parser->lineno = 0;
    testing::internal::CaptureStdout();
    warning("w");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), S + "File: x.reg\nWarning: w" + S);

    EXPECT_EQ(reportOf(PE_NONE, "y.reg", 3, "plain %s", "text"), S + "File: y.reg\nLine: 3\nplain text" + S);
    EXPECT_EQ(reportOf(PE_WARNING, nullptr, 3, "%s", ""), S + "Warning: " + S);
}

TEST(ParserErr, QuietParserCountsWithoutPrinting)
{
    useBuiltInTexts();
    TestParser parser(0);
    testing::internal::CaptureStdout();
    warning("w %s", "x");
    error("e %s", "y");
    error("e");
    nomemory();
    internal(1);
    KIVyyerror("syntax error");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(parser->warnings, 1);
    EXPECT_EQ(parser->errors, 5);
}

TEST(ParserErr, NoMemoryIsUnframedAndCounted)
{
    useBuiltInTexts();
    TestParser parser(1);
    testing::internal::CaptureStdout();
    nomemory();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "fatal: out of memory\n");
    EXPECT_EQ(parser->errors, 1);
    EXPECT_EQ(parser->warnings, 0);
}

TEST(ParserErr, LongMessagesAreNotCut)
{
    useBuiltInTexts();
    TestParser parser(1, "f", 2);
    std::string name(20000, 'n');
    testing::internal::CaptureStdout();
    error("%s %s: duplicate definition(ignore)", "Action", name.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              S + "File: f\nLine: 2\nError: Action " + name + ": duplicate definition(ignore)" + S);
}

TEST(ParserErr, MissingFileIsOneErrorAtLineOne)
{
    useBuiltInTexts();
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>("/nonexistent/a.reg"), static_cast<ApplicationRegistration*>(nullptr), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              S + "File: /nonexistent/a.reg\nLine: 1\nError: can't open /nonexistent/a.reg\n" + S);
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(parser.ok, 0);
}

TEST(ParserErr, LabelsComeFromTheCatalog)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    TestParser parser(1, "c.reg", 4);
    testing::internal::CaptureStdout();
    error(parserMsg(MSG_DUPLICATE), "Tab", "T");
    warning("w");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              S + "Datei: c.reg\nZeile: 4\nFehler: A: Tab T: defined twice" + S +
              S + "Datei: c.reg\nZeile: 4\nWarning: w" + S);
}

TEST(ParserErr, NoCurrentParserIsHarmless)
{
    useBuiltInTexts();
    KivParser::current = nullptr;
    testing::internal::CaptureStdout();
    warning("w");
    error("e");
    nomemory();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}
