#ifndef KIVPARSER_TESTS_SYMBOLS_SUPPORT_H
#define KIVPARSER_TESTS_SYMBOLS_SUPPORT_H

#include "kivparser/kivparser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

// Kept in a namespace of their own: helpers of other test folders may carry
// the same names.
namespace symtest {

// A heap copy the model can take over.
inline char* heap(const char* s)
{
    return strdup(s);
}

// A value list (head plus values in the given order) of texts.
inline String* textList(const std::vector<const char*>& values)
{
    String* head = new String();
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        head->addNewString(heap(*it));
    return head;
}

// A value list of integers in the given order.
inline String* intList(const std::vector<int>& values)
{
    String* head = new String();
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        head->addNewData(*it);
    return head;
}

// The values behind a head, integers written in decimal.
inline std::vector<std::string> listValues(String* head)
{
    std::vector<std::string> out;
    for (String* v = head ? head->next() : nullptr; v; v = v->next())
        out.push_back(v->isInteger() ? std::to_string(v->integer) : std::string(v->str ? v->str : "<null>"));
    return out;
}

// Everything `dump` writes on standard output.
template <class F>
std::string captureStdout(F dump)
{
    testing::internal::CaptureStdout();
    dump();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

// A scratch directory under /tmp for registration files, removed with its
// files at the end of the test.
class ScratchDir {
public:
    ScratchDir()
    {
        char pattern[] = "/tmp/kivsymbols-XXXXXX";
        const char* made = mkdtemp(pattern);
        dir = made ? made : "/tmp";
    }
    ~ScratchDir()
    {
        for (const std::string& file : files)
            unlink(file.c_str());
        rmdir(dir.c_str());
    }
    // Writes `text` into the file `name` and returns its path.
    std::string write(const char* name, const std::string& text)
    {
        std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        files.push_back(path);
        return path;
    }

private:
    std::string dir;
    std::vector<std::string> files;
};

// The path of a file of the symbols test data.
inline std::string dataFile(const char* name)
{
    return std::string(KIVPARSER_TEST_DATA) + "/symbols/" + name;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Parses one file into `root` (created by the parse when null) and returns
// the parser; verbose output is captured into `*output` when given.
template <class Root>
KivParser* parseFile(const std::string& path, Root* root, std::string* output = nullptr)
{
    KivParser* parser = nullptr;
    if (output)
        *output = captureStdout([&] { parser = new KivParser(const_cast<char*>(path.c_str()), root, 1); });
    else
        parser = new KivParser(const_cast<char*>(path.c_str()), root, 0);
    return parser;
}

} // namespace symtest

#endif
