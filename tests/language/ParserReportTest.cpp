#include "kivparser/kivparser.h"
#include "support/TestParser.h"

#include <cerrno>
#include <gtest/gtest.h>
#include "support/TempDir.h"
#include <cstring>
#include <filesystem>
#include <stdexcept>
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

// A handler that throws has failed: the exception ends at the library, the
// file at hand is given up (no later report of its parse reaches the
// handler), nothing is leaked, and the next file and the next load work.
TEST(ParserReport, HandlerThatThrowsEndsOnlyItsParse)
{
    TempDir dir;
    const std::string faulty = "Application \"A\" { MenuBar \"M\" { \"x\" f.action; \"y\" f.menu; } }\n";
    dir.file("reg/C/one", faulty);
    dir.file("reg/C/two", faulty);
#ifndef _WIN32
    // (Counted through /proc: Linux only.)
    auto openDescriptors = [] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            (void)entry;
            ++count;
        }
        return count;
    };
    int before = openDescriptors();
#endif
    std::vector<std::string> files;
    {
        ParserReportScope scope([&](const ParserReport& r) {
            files.push_back(r.file ? r.file : "-");
            throw std::runtime_error("the host's log is full");
        });
        ApplicationRegistration* reg = nullptr;
        EXPECT_NO_THROW(reg = loadArf(0, dir.path("reg").c_str()));
        ASSERT_NE(reg, nullptr);
        delete reg;
    }
    EXPECT_EQ(files, (std::vector<std::string>{dir.path("reg/C/one"), dir.path("reg/C/two")}));
#ifndef _WIN32
    EXPECT_EQ(openDescriptors(), before);
#endif
    // No parser is left at work: an object made now belongs to nobody.
    Menu* menu = new Menu(strdup("after"));
    EXPECT_EQ(menu->getApplication(), nullptr);
    delete menu;
    // And a handler that behaves gets everything again.
    int reports = 0;
    ParserReportScope counting([&](const ParserReport&) { ++reports; });
    delete loadArf(0, dir.path("reg").c_str());
    EXPECT_EQ(reports, 5); // the second file opens the application again
}
