#include "GoldenSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace kivparser;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A temporary directory holding one registration file at a time.
class Scratch {
public:
    Scratch()
    {
        char pattern[] = "/tmp/kivparser-app-XXXXXX";
        dir = mkdtemp(pattern) ? pattern : "";
        file = dir + "/broken.reg";
    }
    ~Scratch()
    {
        std::remove(file.c_str());
        rmdir(dir.c_str());
    }
    void write(const std::string& text)
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    }
    std::string dir;
    std::string file;
};

// Standard output goes to /dev/null while it lives (the dumps are only run).
class Silence {
public:
    Silence()
    {
        fflush(stdout);
        saved = dup(1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~Silence()
    {
        fflush(stdout);
        dup2(saved, 1);
        close(saved);
    }
    int saved;
};

// Parses `text` and then `follow` (a complete file) into one registration and
// dumps it; nothing may crash, leak or leave the dump unbalanced.
void parseAndDump(Scratch& scratch, const std::string& text, const std::string& follow)
{
    ApplicationRegistration* reg = nullptr;
    scratch.write(text);
    {
        KivParser parser(const_cast<char*>(scratch.file.c_str()), reg, 0);
        reg = parser.getAppReg();
    }
    std::string second = dataPath(follow);
    {
        KivParser parser(const_cast<char*>(second.c_str()), reg, 0);
        reg = parser.getAppReg();
    }
    reg->debugDump();
    reg->debugDumpTabs();
    EXPECT_EQ(Indent, 0);
    delete reg;
}

const char* const samples[] = {"merge_a.reg", "dup.reg", "links.reg", "popup_b.reg", "actions_a.reg",
                               "cascade_b.reg"};

} // namespace

// The sample files cut at any token (a file cut anywhere: inside a string, a
// block, an entry, a selection rule, a popup-menu block) parses without harm,
// and a complete file parsed after it still merges.
TEST(ApplicationRobustness, FilesCutAnywhere)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    Silence silence;
    for (const char* sample : samples) {
        std::string text = readFile(dataPath(sample));
        ASSERT_FALSE(text.empty()) << sample;
        // Cuts at every place a token may end, and inside strings.
        for (size_t cut = 0; cut < text.size(); cut++) {
            char c = text[cut];
            if (c == ' ' || c == '"' || c == ';' || c == '{' || c == '}' || c == '(' || c == '_' || c == '.')
                parseAndDump(scratch, text.substr(0, cut) + "\n", sample);
        }
    }
}

// Dropping one brace or semicolon, or doubling a word, anywhere in the sample
// files gives syntax errors and recovery, never a crash or a leak.
TEST(ApplicationRobustness, DamagedStatements)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    Silence silence;
    for (const char* sample : samples) {
        std::string text = readFile(dataPath(sample));
        for (size_t at = 0; at < text.size(); at++) {
            char c = text[at];
            if (c == ';' || c == '{' || c == '}' || c == '(' || c == ')')
                parseAndDump(scratch, text.substr(0, at) + text.substr(at + 1), "merge_b.reg");
            if (c == ' ' && at > 0 && text[at - 1] == ';')
                parseAndDump(scratch, text.substr(0, at) + " ; ! } " + text.substr(at), "popup_a.reg");
        }
    }
}
