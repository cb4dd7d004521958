#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cstdarg>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace kivparser;

namespace {

const std::string S = "\n------------------------------\n";

void useBuiltInTexts()
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
}

void plainReport(PESeverity severity, const char* file, int line, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    VParserErr(severity, file, line, fmt, ap);
    va_end(ap);
}

} // namespace

// A verbose report is framed, with the file and line when there are any; a
// file name or a grammar text with "%" in it is printed as it is; long
// messages are not cut; "out of memory" is unframed. Every report counts.
TEST(ParserErr, VerboseReportsAreFramedWithFileAndLine)
{
    useBuiltInTexts();
    const std::string name(20000, 'n');
    struct Case {
        const char* file;
        int line;
        std::function<void()> report;
        std::string printed;
        int errors;
        int warnings;
    };
    const Case cases[] = {
        {"apps/map%d.reg", 12, [] { warning(parserMsg(MSG_DUPLICATE), "Menu", "File"); },
         S + "File: apps/map%d.reg\nLine: 12\nWarning: Menu File: duplicate definition(ignore)" + S, 0, 1},
        {"apps/map%d.reg", 12, [] { KIVyyerror("bad %s %d"); },
         S + "File: apps/map%d.reg\nLine: 12\nError: bad %s %d" + S, 1, 0},
        {"f", 417, [] { internal(417); }, S + "File: f\nLine: 417\nError: fatal: internal error at grammar.Y(417)" + S,
         1, 0},
        {nullptr, 7, [] { error("%s: %d", "count", 3); }, S + "Error: count: 3" + S, 1, 0},
        {"x.reg", 0, [] { warning("w"); }, S + "File: x.reg\nWarning: w" + S, 0, 1},
        {"f", 2, [&] { error("%s %s: duplicate definition(ignore)", "Action", name.c_str()); },
         S + "File: f\nLine: 2\nError: Action " + name + ": duplicate definition(ignore)" + S, 1, 0},
        {"f", 2, [] { nomemory(); }, "fatal: out of memory\n", 1, 0},
        {"f", 2, [] { plainReport(PE_NONE, "y.reg", 3, "plain %s", "text"); },
         S + "File: y.reg\nLine: 3\nplain text" + S, 0, 0},
        {"f", 2, [] { plainReport(PE_WARNING, nullptr, 3, "%s", ""); }, S + "Warning: " + S, 0, 0},
    };
    for (const Case& c : cases) {
        TestParser parser(1, c.file, c.line);
        testing::internal::CaptureStdout();
        c.report();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        EXPECT_EQ(parser->errors, c.errors) << c.printed;
        EXPECT_EQ(parser->warnings, c.warnings) << c.printed;
    }
}

// A quiet parser counts without printing; without a parser nothing happens.
TEST(ParserErr, QuietOrNoParserPrintsNothing)
{
    useBuiltInTexts();
    {
        TestParser parser(0);
        testing::internal::CaptureStdout();
        warning("w %s", "x");
        error("e %s", "y");
        nomemory();
        internal(1);
        KIVyyerror("syntax error");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(parser->warnings, 1);
        EXPECT_EQ(parser->errors, 4);
    }
    KivParser::current = nullptr;
    testing::internal::CaptureStdout();
    warning("w");
    error("e");
    nomemory();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(ParserErr, LabelsComeFromTheCatalog)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    TestParser parser(1, "c.reg", 4);
    testing::internal::CaptureStdout();
    error(parserMsg(MSG_DUPLICATE), "Tab", "T");
    warning("w");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), S + "Datei: c.reg\nZeile: 4\nFehler: A: Tab T: defined twice" +
                                                          S + S + "Datei: c.reg\nZeile: 4\nWarning: w" + S);
}
