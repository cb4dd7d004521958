// The golden cases of tests/data/application. A case NAME is the file
// NAME.reg, or the files NAME_a.reg, NAME_b.reg, ..., parsed in turn into one
// registration, verbosely, with the organization "Org", the class "Org Tools"
// and the application "Mapper" ranked first. NAME.reports holds what the
// parse printed (the data directory left out of file names) and each file's
// counts. Its JSON export (registration and tabs) must validate against the
// schema. Then, for each file present: NAME.dump is the dump, NAME.tabs the
// dump of the tabs, NAME.fold the dump after folding single-action cascades
// (folding a second time changes nothing). In the expected dumps a "|" ending
// a line only marks the end of trailing blanks.
//
// KIVPARSER_REGENERATE=1 writes what the cases give into their expected
// files (NAME.reports and the dumps already present, or NAME.dump for a new
// case) instead of comparing: review the diff before committing it.

#include "kivparser/kivparser.h"
#include "dump/DumpWriter.h"
#include "support/SchemaCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

const std::string dataDir = std::string(KIVPARSER_TEST_DATA) + "/application/";

std::map<std::string, std::vector<std::string>> goldenCases()
{
    std::map<std::string, std::vector<std::string>> cases;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
        std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".reg")
            continue;
        if (stem.size() > 2 && stem[stem.size() - 2] == '_')
            stem.resize(stem.size() - 2);
        cases[stem].push_back(entry.path().filename().string());
    }
    for (auto& files : cases)
        std::sort(files.second.begin(), files.second.end());
    return cases;
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto& c : goldenCases())
        names.push_back(c.first);
    return names;
}

// The expected text of `name`; false when there is no such file.
bool expected(const std::string& name, std::string& text)
{
    std::ifstream in(dataDir + name);
    std::string line;
    text.clear();
    while (std::getline(in, line))
        text += line.substr(0, line.size() - (!line.empty() && line.back() == '|')) + "\n";
    return in.is_open();
}

bool regenerating()
{
    const char* flag = getenv("KIVPARSER_REGENERATE");
    return flag && strcmp(flag, "1") == 0;
}

// Writes `text` as the expected file `name`, marking trailing blanks.
void rewrite(const std::string& name, const std::string& text)
{
    std::ofstream out(dataDir + name);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        out << line << (!line.empty() && (line.back() == ' ' || line.back() == '|') ? "|" : "") << "\n";
}

class ApplicationGolden : public testing::TestWithParam<std::string> {};

} // namespace

TEST_P(ApplicationGolden, Case)
{
    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    const std::string name = GetParam();
    ApplicationRegistration* reg = nullptr;
    std::string reports;
    const std::vector<std::string> files = goldenCases()[name];
#ifdef _WIN32
    // The expected reports hold what the GNU C library's "C" locale makes of
    // bytes above 0x7F; the Windows runtime's "C" locale is ASCII alone.
    for (const std::string& file : files) {
        std::ifstream in(dataDir + file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (char b : bytes)
            if (b & 0x80)
                GTEST_SKIP() << file << " holds bytes above 0x7F, read by the C runtime's \"C\" locale";
    }
#endif
    for (const std::string& file : files) {
        std::string path = dataDir + file;
        testing::internal::CaptureStdout();
        KivParser parser(const_cast<char*>(path.c_str()), reg, 1);
        reg = parser.getAppReg();
        std::string printed = testing::internal::GetCapturedStdout();
        for (size_t at; (at = printed.find(dataDir)) != std::string::npos;)
            printed.erase(at, dataDir.size());
        reports += printed + file + ": " + std::to_string(parser.errors) + " errors, " +
                   std::to_string(parser.warnings) + " warnings\n";
    }
    std::string want;
    bool fresh = !expected(name + ".reports", want);
    if (regenerating())
        rewrite(name + ".reports", reports);
    else
        EXPECT_EQ(reports, want);
    ASSERT_NE(reg, nullptr);
    // The JSON export of the same registration, before any folding.
    if (pythonChecksRun()) {
        EXPECT_TRUE(validatesAgainstSchema({jsonText([reg](FILE* out) { return dumpJson(out, reg); }),
                                            jsonText([reg](FILE* out) { return dumpJsonTabs(out, reg); })},
                                           name));
    }

    int checked = 0;
    auto check = [&](const char* kind, void (*dump)(ApplicationRegistration*)) {
        bool present = expected(name + kind, want);
        if (!present && !(fresh && regenerating() && std::string(kind) == ".dump"))
            return;
        testing::internal::CaptureStdout();
        dump(reg);
        std::string got = testing::internal::GetCapturedStdout();
        if (regenerating())
            rewrite(name + kind, got);
        else
            EXPECT_EQ(got, want) << name << kind;
        EXPECT_EQ(Indent, 0);
        checked++;
    };
    check(".dump", [](ApplicationRegistration* r) { r->debugDump(); });
    check(".tabs", [](ApplicationRegistration* r) { r->debugDumpTabs(); });
    for (int again = 0; again < 2; again++)
        check(".fold", [](ApplicationRegistration* r) {
            r->removeSingleActionMenus();
            r->debugDump();
        });
    EXPECT_GT(checked, 0) << "no expected dump for " << name;
    delete reg;
}

INSTANTIATE_TEST_SUITE_P(Data, ApplicationGolden, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });
