#include "kivparser/kivparser.h"
#include "support/SchemaCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

// Symbol, field and CGI registration files of tests/data/symbols parsed in
// turn into the same roots, verbose. Each case's .dump file holds what the
// parse printed (with the data directory left out of the file names), the
// counts of each file and the dump of every root. What failed statements and
// unfinished files had built is released (the leak checker watches).
// KIVPARSER_REGENERATE=1 rewrites the .dump files instead (review the diff!).

namespace {

const std::string data = std::string(KIVPARSER_TEST_DATA) + "/symbols/";

struct Roots {
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* svrf = nullptr;
    ~Roots()
    {
        delete srf;
        delete frf;
        delete svrf;
    }
};

std::string parseAndDump(const std::vector<std::string>& files, Roots& roots)
{
    std::string out;
    for (const std::string& name : files) {
        ApplicationRegistration* arf = nullptr;
        testing::internal::CaptureStdout();
        KivParser parser(const_cast<char*>((data + name).c_str()), arf, roots.srf, roots.frf, roots.svrf, 1);
        std::string printed = testing::internal::GetCapturedStdout();
        for (size_t at; (at = printed.find(data)) != std::string::npos;)
            printed.erase(at, data.size());
        out += printed + name + ": ok " + std::to_string(parser.ok) + ", errors " + std::to_string(parser.errors) +
               ", warnings " + std::to_string(parser.warnings) + "\n";
        roots.srf = parser.getSymReg();
        roots.frf = parser.getFldReg();
        roots.svrf = parser.getSnmppvReg();
        EXPECT_EQ(parser.getAppReg(), nullptr);
    }
    testing::internal::CaptureStdout();
    if (roots.srf)
        roots.srf->debugDump();
    if (roots.frf)
        roots.frf->debugDump();
    if (roots.svrf)
        roots.svrf->debugDump();
    return out + "=== dump\n" + testing::internal::GetCapturedStdout();
}

void expectGolden(const std::string& expected, const std::vector<std::string>& files, Roots& roots)
{
    std::string out = parseAndDump(files, roots);
    const char* regenerate = getenv("KIVPARSER_REGENERATE");
    if (regenerate && std::string(regenerate) == "1")
        std::ofstream(data + expected, std::ios::binary) << out;
    std::ifstream in(data + expected, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(out, text.str()) << expected;
}

std::vector<std::string> texts(String* head)
{
    std::vector<std::string> out;
    for (String* v = head ? head->next() : nullptr; v; v = v->next())
        out.push_back(v->str ? v->str : "<null>");
    return out;
}

} // namespace

// symbols.srf: a type before its class, a second definition of every
// statement ignored, case-different names, the last value of a block
// counting, recovery inside blocks. symbols2.srf: first definitions win
// across files, types of a class never defined. unfinished*.srf: what an
// unfinished file leaves is neither kept nor frozen (the next file's
// definition takes without a warning). Fields: flags and enumerations
// replaced, a field defined again in the same and in a second file. CGIs:
// options and ignore actions in every form, missing command and path, a
// second definition that only adds options, bytes above 127 in the paths
// stored as %XX; the texts the dump leaves out are checked here, in the
// model and in the JSON export. Every export validates against the schema.
TEST(SymbolGolden, ParsedFiles)
{
    struct Case {
        const char* expected;
        std::vector<std::string> files;
    } cases[] = {
        {"symbols.dump", {"symbols.srf", "symbols2.srf"}},
        {"unfinished.dump",
         {"unfinished1.srf", "unfinished2.srf", "unfinished3.srf", "unfinished4.srf", "unfinished-after.srf"}},
        {"fields.dump", {"fields1.frf", "fields2.frf"}},
        {"cgi.dump", {"cgi.svrf"}},
    };
    for (const Case& c : cases) {
        Roots roots;
        expectGolden(c.expected, c.files, roots);
        std::vector<std::string> exports;
        if (roots.srf)
            exports.push_back(jsonText([&roots](FILE* out) { return dumpJson(out, roots.srf); }));
        if (roots.frf)
            exports.push_back(jsonText([&roots](FILE* out) { return dumpJson(out, roots.frf); }));
        if (roots.svrf)
            exports.push_back(jsonText([&roots](FILE* out) { return dumpJson(out, roots.svrf); }));
        if (pythonChecksRun()) {
            EXPECT_TRUE(validatesAgainstSchema(exports, c.expected));
        }
        if (!roots.svrf)
            continue;
        // The JSON export has them too.
        EXPECT_NE(exports.back().find(
                      "\"descriptions\":[\"Line one\",\"Line two\"],\"copyrights\":[\"Copyright line\"],\"version\":\"1.0\""),
                  std::string::npos);
        SnmppvCgi* viewer = roots.svrf->lookupSnmppvCgi(const_cast<char*>("viewer"));
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(texts(viewer->descriptions), (std::vector<std::string>{"Line one", "Line two"}));
        EXPECT_EQ(texts(viewer->copyrights), (std::vector<std::string>{"Copyright line"}));
        EXPECT_STREQ(viewer->version, "1.0");
    }
}
