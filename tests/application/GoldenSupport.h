#ifndef KIVPARSER_TESTS_APPLICATION_GOLDENSUPPORT_H
#define KIVPARSER_TESTS_APPLICATION_GOLDENSUPPORT_H

#include "kivparser/kivparser.h"
#include "dump/DumpWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

// One registration file of a golden case, with the reports it must give:
// "W <line> <message>" for a warning, "E <line> <message>" for an error.
struct GoldenFile {
    std::string name;
    std::vector<std::string> reports;
};

inline std::string dataPath(const std::string& name)
{
    return std::string(KIVPARSER_TEST_DATA) + "/application/" + name;
}

// The expected dump as written in the data file; a "|" ending a line only
// marks the end of trailing blanks and is not part of the text.
inline std::string readExpected(const std::string& name)
{
    std::ifstream in(dataPath(name));
    std::string line;
    std::string out;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '|')
            line.pop_back();
        out += line + "\n";
    }
    return out;
}

// Turns the framed reports printed by a verbose parser into one line each:
// "W 12 text" / "E 12 text". Anything outside a frame is kept as "? text".
inline std::vector<std::string> compactReports(const std::string& printed, const std::string& path)
{
    static const std::string separator = "\n------------------------------\n";
    std::vector<std::string> out;
    size_t at = 0;
    while (at < printed.size()) {
        size_t open = printed.find(separator, at);
        if (open != at) {
            out.push_back("? " + printed.substr(at, open == std::string::npos ? std::string::npos : open - at));
            if (open == std::string::npos)
                break;
        }
        size_t body = open + separator.size();
        size_t close = printed.find(separator, body);
        if (close == std::string::npos) {
            out.push_back("? " + printed.substr(open));
            break;
        }
        std::string report = printed.substr(body, close - body);
        std::string fileHead = "File: " + path + "\n";
        std::string line = "?";
        if (report.compare(0, fileHead.size(), fileHead) == 0) {
            report.erase(0, fileHead.size());
            if (report.compare(0, 6, "Line: ") == 0) {
                size_t end = report.find('\n');
                line = report.substr(6, end - 6);
                report.erase(0, end + 1);
            }
        }
        std::string kind = "?";
        if (report.compare(0, 9, "Warning: ") == 0) {
            kind = "W";
            report.erase(0, 9);
        } else if (report.compare(0, 7, "Error: ") == 0) {
            kind = "E";
            report.erase(0, 7);
        }
        out.push_back(kind + " " + line + " " + report);
        at = close + separator.size();
    }
    return out;
}

inline size_t countKind(const std::vector<std::string>& reports, char kind)
{
    size_t n = 0;
    for (const std::string& r : reports)
        n += r[0] == kind;
    return n;
}

// Parses the files in turn into one registration (verbosely, to see every
// report) and checks reports and counts per file; returns the registration.
inline ApplicationRegistration* parseFiles(const std::vector<GoldenFile>& files)
{
    ApplicationRegistration* reg = nullptr;
    for (const GoldenFile& file : files) {
        std::string path = dataPath(file.name);
        testing::internal::CaptureStdout();
        int errors = 0;
        int warnings = 0;
        {
            KivParser parser(const_cast<char*>(path.c_str()), reg, 1);
            reg = parser.getAppReg();
            errors = parser.errors;
            warnings = parser.warnings;
        }
        std::vector<std::string> reports = compactReports(testing::internal::GetCapturedStdout(), path);
        EXPECT_EQ(reports, file.reports) << "reports of " << file.name;
        EXPECT_EQ(static_cast<size_t>(errors), countKind(file.reports, 'E')) << "errors of " << file.name;
        EXPECT_EQ(static_cast<size_t>(warnings), countKind(file.reports, 'W')) << "warnings of " << file.name;
    }
    return reg;
}

inline std::string dumpOf(ApplicationRegistration* reg)
{
    testing::internal::CaptureStdout();
    if (reg)
        reg->debugDump();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Indent, 0);
    return out;
}

// Parses, compares the dump with the expected file and disposes of the
// registration.
inline void expectGolden(const std::vector<GoldenFile>& files, const std::string& expectedDump)
{
    ApplicationRegistration* reg = parseFiles(files);
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(dumpOf(reg), readExpected(expectedDump));
    delete reg;
}

#endif
