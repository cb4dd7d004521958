#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

// The records of a whole load (progress lines, syntax errors with their
// tokens, warnings and errors with their catalog numbers) are pinned by the
// tool's JSON reports (tests/tools, dump-reports.json); here the kinds a load
// of sound files does not give, and printing through a handler.

namespace {

// Loads the faulty registrations of tests/data/language/reports verbosely.
void loadFaults()
{
    delete loadArf(1, (std::string(KIVPARSER_TEST_DATA) + "/language/reports").c_str());
}

} // namespace

TEST(ParserReport, HandlerReceivesEveryReportAsARecordAndNothingIsPrinted)
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
    struct Record {
        ReportKind kind;
        std::string file;
        int catalogNumber;
        std::string message;
        int errnoValue;
    };
    std::vector<Record> records;
    testing::internal::CaptureStdout();
    {
        ParserReportScope scope([&](const ParserReport& r) {
            records.push_back({r.kind, r.file ? r.file : "", r.catalogSet ? r.catalogNumber : 0, r.message,
                               r.errnoValue});
        });
        KivParser missing(const_cast<char*>("/nonexistent/x.reg"), static_cast<ApplicationRegistration*>(nullptr), 1);
        EXPECT_EQ(missing.errors, 1);
        KivParser quiet(const_cast<char*>("/nonexistent/x.reg"), static_cast<ApplicationRegistration*>(nullptr), 0);
        TestParser parser(1, "n.reg", 3);
        records.pop_back(); // the test parser's own file
        nomemory();
        internal(42);
        error("%s", parserMsg(MSG_FMENU_NO_NAME));
        EXPECT_EQ(parser->errors, 3);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(getParserReportHandler(nullptr), nullptr);

    // A file that cannot be opened carries the system's reason; the other
    // kinds keep their catalog numbers; a quiet parser reports to the
    // handler all the same.
    ASSERT_EQ(records.size(), 5u);
    for (int i : {0, 1}) {
        EXPECT_EQ(records[i].kind, RPT_ERROR);
        EXPECT_EQ(records[i].catalogNumber, MSG_CANT_OPEN);
        EXPECT_EQ(records[i].errnoValue, ENOENT);
        EXPECT_EQ(records[i].message, "can't open /nonexistent/x.reg\n");
    }
    EXPECT_EQ(records[2].kind, RPT_NOMEMORY);
    EXPECT_EQ(records[2].file, "n.reg");
    EXPECT_EQ(records[2].catalogNumber, MSG_OUT_OF_MEMORY);
    EXPECT_EQ(records[3].kind, RPT_INTERNAL);
    EXPECT_EQ(records[3].catalogNumber, MSG_INTERNAL);
    EXPECT_EQ(records[3].message, "fatal: internal error at grammar.Y(42)");
    EXPECT_EQ(records[4].kind, RPT_ERROR);
    EXPECT_EQ(records[4].catalogNumber, MSG_FMENU_NO_NAME);
}

TEST(ParserReport, HandlerThatPrintsEachRecordGivesTheOutputOfNoHandler)
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
    testing::internal::CaptureStdout();
    loadFaults();
    std::string plain = testing::internal::GetCapturedStdout();

    setParserReportHandler([](const ParserReport* report, void*) { printParserReport(report); }, nullptr);
    testing::internal::CaptureStdout();
    loadFaults();
    std::string forwarded = testing::internal::GetCapturedStdout();
    setParserReportHandler(nullptr, nullptr);
    EXPECT_EQ(forwarded, plain);
    EXPECT_NE(plain.find("Line: 17\nError: Application"), std::string::npos);
}
