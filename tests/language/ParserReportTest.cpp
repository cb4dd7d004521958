#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

// A host's copy of one record.
struct Record {
    ReportKind kind;
    std::string file;
    int line;
    int catalogNumber;
    std::string message;
    const char* token; // "(null)" when none
    std::string tokenText;
    int errnoValue;
};

const std::string reportsDir = std::string(KIVPARSER_TEST_DATA) + "/language/reports";

// Loads the faulty registrations of tests/data/language/reports verbosely.
void loadFaults()
{
    delete loadArf(1, reportsDir.c_str());
}

std::vector<Record> recordsOf(void (*work)())
{
    std::vector<Record> records;
    ParserReportScope scope([&](const ParserReport& r) {
        records.push_back({r.kind, r.file ? r.file : "(none)", r.line, r.catalogSet ? r.catalogNumber : 0,
                           r.message, r.token ? "" : "(null)", r.token ? r.token : "", r.errnoValue});
    });
    work();
    return records;
}

} // namespace

TEST(ParserReport, HandlerReceivesEveryReportAsARecordAndNothingIsPrinted)
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
    testing::internal::CaptureStdout();
    std::vector<Record> records = recordsOf(loadFaults);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(getParserReportHandler(nullptr), nullptr);

    std::string faults = reportsDir + "/C/faults";
    std::string truncated = reportsDir + "/C/truncated";
    // Progress lines, each under the number of its catalog text.
    std::vector<int> progress;
    std::vector<Record> reports;
    for (const Record& r : records) {
        if (r.kind == RPT_PROGRESS)
            progress.push_back(r.catalogNumber);
        else
            reports.push_back(r);
    }
    EXPECT_EQ(progress, (std::vector<int>{MSG_ARF_PATH, MSG_ARF_PRIORITY_FILE, MSG_ARF_PRIORITY_ORGANIZATION,
                                          MSG_ARF_PRIORITY_CLASS, MSG_ARF_PRIORITY_APPLICATION, MSG_PARSING,
                                          MSG_FILE_COUNTS, MSG_PARSING, MSG_FILE_COUNTS, MSG_TOTAL_COUNTS}));
    EXPECT_EQ(records[5].file, faults);
    EXPECT_EQ(records[5].message, "[parsing " + faults + "]...\n");
    EXPECT_EQ(records.back().message, ">>>total:  errors: 3, warnings: 1\n");

    ASSERT_EQ(reports.size(), 4u);
    // A syntax error at a string names the string's value; at the end of
    // the input, nothing.
    EXPECT_EQ(reports[0].kind, RPT_SYNTAX);
    EXPECT_EQ(reports[0].line, 8);
    EXPECT_EQ(reports[0].catalogNumber, 0);
    EXPECT_EQ(reports[0].message, "syntax error");
    EXPECT_EQ(reports[0].tokenText, "again");
    EXPECT_EQ(reports[1].kind, RPT_WARNING);
    EXPECT_EQ(reports[1].line, 13);
    EXPECT_EQ(reports[1].catalogNumber, MSG_DUP_MENUITEM);
    EXPECT_STREQ(reports[1].token, "(null)");
    EXPECT_EQ(reports[2].kind, RPT_ERROR);
    EXPECT_EQ(reports[2].file, faults);
    EXPECT_EQ(reports[2].line, 17);
    EXPECT_EQ(reports[2].catalogNumber, MSG_ACTION_NOT_DEFINED);
    EXPECT_EQ(reports[2].message, "Application \"Faults\": Action \"Close\" is referenced but not defined.");
    EXPECT_EQ(reports[3].kind, RPT_SYNTAX);
    EXPECT_EQ(reports[3].file, truncated);
    EXPECT_EQ(reports[3].line, 5);
    EXPECT_STREQ(reports[3].token, "");
    EXPECT_EQ(reports[3].tokenText, "");

    // A file that cannot be opened carries the system's reason; the other
    // kinds keep their catalog numbers; a quiet parser reports nothing.
    records = recordsOf([] {
        KivParser missing(const_cast<char*>("/nonexistent/x.reg"), static_cast<ApplicationRegistration*>(nullptr), 1);
        EXPECT_EQ(missing.errors, 1);
        KivParser quiet(const_cast<char*>("/nonexistent/x.reg"), static_cast<ApplicationRegistration*>(nullptr), 0);
        TestParser parser(1, "n.reg", 3);
        nomemory();
        internal(42);
        error("%s", parserMsg(MSG_FMENU_NO_NAME));
        EXPECT_EQ(parser->errors, 3);
    });
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].kind, RPT_ERROR);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[0].catalogNumber, MSG_CANT_OPEN);
    EXPECT_EQ(records[0].errnoValue, ENOENT);
    EXPECT_EQ(records[0].message, "can't open /nonexistent/x.reg\n");
    EXPECT_EQ(records[1].kind, RPT_NOMEMORY);
    EXPECT_EQ(records[1].file, "n.reg");
    EXPECT_EQ(records[1].catalogNumber, MSG_OUT_OF_MEMORY);
    EXPECT_EQ(records[2].kind, RPT_INTERNAL);
    EXPECT_EQ(records[2].catalogNumber, MSG_INTERNAL);
    EXPECT_EQ(records[2].message, "fatal: internal error at grammar.Y(42)");
    EXPECT_EQ(records[3].catalogNumber, MSG_FMENU_NO_NAME);
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
