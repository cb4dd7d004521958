// Registration text held in memory is read exactly as a file of the same
// bytes: for every input of the test data (golden cases, scanner cases with
// NUL bytes, carriage returns, cut strings and comments, every statement of
// every kind), the parse from memory under the file's name prints the same
// reports and gives the same registrations as the parse of the file.

#include "kivparser/kivparser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

struct Outcome {
    std::string reports;
    std::string dumps;
    int errors = 0;
    int warnings = 0;
};

template <class Make>
Outcome parseWith(Make make)
{
    Outcome out;
    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* svrf = nullptr;
    testing::internal::CaptureStdout();
    {
        KivParser* parser = make(arf, srf, frf, svrf);
        out.errors = parser->errors;
        out.warnings = parser->warnings;
        arf = parser->getAppReg();
        srf = parser->getSymReg();
        frf = parser->getFldReg();
        svrf = parser->getSnmppvReg();
        delete parser;
    }
    out.reports = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    if (arf)
        arf->debugDump();
    if (srf)
        srf->debugDump();
    if (frf)
        frf->debugDump();
    if (svrf)
        svrf->debugDump();
    out.dumps = testing::internal::GetCapturedStdout();
    delete arf;
    delete srf;
    delete frf;
    delete svrf;
    return out;
}

std::vector<std::string> inputs()
{
    std::vector<std::string> files;
    std::string data = KIVPARSER_TEST_DATA;
    for (const char* dir :
         {"/application", "/symbols", "/language/scanner", "/language/grammar", "/fuzz", "/../../examples/etc"}) {
        if (!std::filesystem::is_directory(data + dir))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(data + dir)) {
            std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && ext != ".dump" && ext != ".reports" && ext != ".tabs" && ext != ".fold")
                files.push_back(entry.path().string());
        }
    }
    return files;
}

} // namespace

TEST(SourceText, MemoryParsesAsTheFileOfTheSameBytes)
{
    int compared = 0;
    for (const std::string& path : inputs()) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string text = bytes.str();
        Outcome fromFile = parseWith([&](auto arf, auto srf, auto frf, auto svrf) {
            return new KivParser(const_cast<char*>(path.c_str()), arf, srf, frf, svrf, 1);
        });
        Outcome fromMemory = parseWith([&](auto arf, auto srf, auto frf, auto svrf) {
            return new KivParser(SourceText{path.c_str(), text.data(), text.size()}, arf, srf, frf, svrf, 1);
        });
        EXPECT_EQ(fromMemory.reports, fromFile.reports) << path;
        EXPECT_EQ(fromMemory.dumps, fromFile.dumps) << path;
        EXPECT_EQ(fromMemory.errors, fromFile.errors) << path;
        EXPECT_EQ(fromMemory.warnings, fromFile.warnings) << path;
        compared++;
    }
    EXPECT_GT(compared, 70);
}

// A text without a name reports as standard input does (no file, no line);
// an empty text, or none, is an empty file.
TEST(SourceText, UnnamedAndEmptyTexts)
{
    std::string broken = "Application \"A\" { MenuBar \"M\" { \"x\" f.action; } }";
    Outcome unnamed = parseWith([&](auto arf, auto, auto, auto) {
        return new KivParser(SourceText{nullptr, broken.data(), broken.size()}, arf, 1);
    });
    EXPECT_EQ(unnamed.errors, 1);
    EXPECT_EQ(unnamed.reports.find("File: "), std::string::npos) << unnamed.reports;
    for (const char* text : {"", static_cast<const char*>(nullptr)}) {
        Outcome empty = parseWith([&](auto arf, auto, auto, auto) {
            return new KivParser(SourceText{"empty", text, 0}, arf, 1);
        });
        EXPECT_EQ(empty.errors, 0);
        EXPECT_EQ(empty.dumps, "");
    }
    // Only `length` bytes count: what follows is not read.
    std::string longer = broken + " trailing garbage {";
    Outcome cut = parseWith([&](auto arf, auto, auto, auto) {
        return new KivParser(SourceText{"cut", longer.data(), broken.size()}, arf, 1);
    });
    EXPECT_EQ(cut.errors, 1);
}
