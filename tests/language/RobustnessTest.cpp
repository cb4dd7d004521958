#include "language/LanguageFiles.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kivparser;

// Bad input never crashes, never leaks and draws no report other than the
// parser's own: the sanitizer build of these tests checks the first two.

namespace {

int parseErrors(LanguageDir& dir, const std::string& content, std::string* out = nullptr)
{
    std::string path = dir.write("robust.reg", content);
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>(path.c_str()), nullptr, nullptr, nullptr, nullptr, 1);
    std::string printed = testing::internal::GetCapturedStdout();
    if (out)
        *out = printed;
    EXPECT_EQ(parser.ok, parser.errors == 0 ? 1 : 0);
    releaseRoots(parser);
    return parser.errors;
}

// No report in `out` says that the parser's own state broke down: bad input
// draws syntax errors and the model's reports, never an internal error or
// a failed allocation.
void expectOnlyParserReports(const std::string& out)
{
    EXPECT_EQ(out.find("internal error"), std::string::npos) << out;
    EXPECT_EQ(out.find("out of memory"), std::string::npos) << out;
}

const char* const WORDS[] = {
    "application", "Demo", "{", "}", "(", ")", ";", ",", ":", "<", ">", "@", "=", "==", "!=", "!", "&&", "||",
    "\"text\"", "'x'", "12", "-3", "_M", "Ctrl<Key>A", "f.action", "f.menu", "menubar", "menu", "popupmenu",
    "popupitem", "toolbarbutton", "action", "selectionrule", "access", "webwindow", "type", "full", "enroll",
    "add", "describe", "connect", "configuration", "if", "field", "label", "geometry", "dropaction",
    "operations", "opmove", "tab", "list", "activehelp", "icon", "description", "command", "-initial", "on",
    "startedby", "namefield", "symbolclass", "symboltype", "segment", "to", "arc", "origin", "size",
    "capabilities", "linedashpattern", "linestyle", "dash", "flags", "enumeration", "cgi", "option",
    "acceptarguments", "ignoreactions", "targetsymboltype", "any", "symbolalert", "context", "#ifdef NT\n",
    "#else\n", "#endif\n", "/*", "*/", "//", "\n", "\r\n",
};

} // namespace

TEST(Robustness, RandomBytes)
{
    LanguageDir dir;
    std::mt19937 random(20240607);
    for (int round = 0; round < 40; round++) {
        std::string content(1 + random() % 3000, '\0');
        for (char& c : content)
            c = static_cast<char>(random() & 0xff);
        std::string out;
        parseErrors(dir, content, &out);
        expectOnlyParserReports(out);
    }
}

TEST(Robustness, RandomTokenSoupInEveryKind)
{
    LanguageDir dir;
    std::mt19937 random(77);
    const char* const starts[] = {"Application a { ", "SymbolClass c { ", "SymbolType c : t { ", "Field f { ",
                                  "CGI g { ", "Application a { Action x { ", "Application a { MenuBar m { "};
    const size_t wordCount = sizeof WORDS / sizeof WORDS[0];
    for (int round = 0; round < 150; round++) {
        std::string content = starts[round % 7];
        int length = 1 + static_cast<int>(random() % 120);
        for (int i = 0; i < length; i++) {
            content += WORDS[random() % wordCount];
            content += ' ';
        }
        std::string out;
        parseErrors(dir, content, &out);
        expectOnlyParserReports(out);
    }
}

TEST(Robustness, UnterminatedEverything)
{
    LanguageDir dir;
    for (const char* content : {"Application \"a", "Application a { Description { \"x", "/* open",
                                "Application a { MenuBar m { \"x\" _", "Application a { MenuBar m { \"x\" Ctrl<Key>",
                                "#ifdef", "#", "Application a { Access", "SymbolClass c { Segment (1, 2) to",
                                "CGI c { IgnoreActions { Application x {", "Field f { Enumeration a,"}) {
        std::string out;
        EXPECT_GE(parseErrors(dir, content, &out), 0);
        expectOnlyParserReports(out);
    }
}

TEST(Robustness, HugeValuesInStatements)
{
    LanguageDir dir;
    std::string big(100 * 1024, 's');
    std::string ident = "i" + std::string(64 * 1024, 'd');
    std::string out;
    EXPECT_EQ(parseErrors(dir, "Application \"" + big + "\" { Version \"" + big + "\"; }", &out), 0);
    EXPECT_EQ(parseErrors(dir, "Application " + ident + " { NameField " + ident + ", " + ident + "; }", &out), 0);
    EXPECT_EQ(parseErrors(dir, "Application a { " + ident + " }", &out), 1);
    expectOnlyParserReports(out);
    EXPECT_EQ(parseErrors(dir, std::string("Application a {\0 }", 18), &out), 1);
}
