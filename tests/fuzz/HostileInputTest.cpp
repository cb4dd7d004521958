// Inputs of the kind the fuzz targets feed the library, replayed the way the
// targets do (parse into shared roots, dump, fold, dump, destroy), so that the
// sanitizer build sees every step. Saved fuzzer findings go to
// tests/data/fuzz with a test of their own here. Bad input never crashes,
// never leaks (the sanitizer build checks both) and draws no report other
// than the parser's own.
#include "kivparser/kivparser.h"
#include "support/ParsedFile.h"
#include "support/RegistrationRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

std::string nestedRule(int depth)
{
    return "Application \"Deep\" { Action \"A\" { SelectionRule " + std::string(depth, '(') + "isNode" +
           std::string(depth, ')') + "; } }\n";
}

} // namespace

TEST(HostileInput, FoldingASubmenuSharedByTwoEntriesLeavesNoDanglingLink)
{
    std::string file = RegistrationRun::fuzzInput("shared-single-action-submenu.reg");
    KivParser parser(const_cast<char*>(file.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    ApplicationRegistration* reg = parser.getAppReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(parser.errors, 0);
    reg->removeSingleActionMenus();

    // Every link of a bar's or a menu's entry names a menu still there; a bar
    // entry was folded into an action.
    std::set<_Menu*> menus;
    std::vector<_Menu*> holders;
    for (MenuBar* bar = reg->menuBars->next(); bar; bar = bar->next())
        holders.push_back(bar);
    for (Application* app = reg->applications->next(); app; app = app->next()) {
        for (Menu* m = app->menus ? app->menus->next() : nullptr; m; m = m->next())
            menus.insert(m);
        for (PopupMenu* m = app->popupMenus ? app->popupMenus->next() : nullptr; m; m = m->next())
            menus.insert(m);
    }
    holders.insert(holders.end(), menus.begin(), menus.end());
    int folded = 0;
    for (_Menu* holder : holders)
        for (_MenuItem* item = holder->menuItems ? holder->menuItems->next() : nullptr; item; item = item->next()) {
            EXPECT_TRUE(!item->menuLink || menus.count(item->menuLink)) << item->label << " links to a destroyed menu";
            folded += !menus.count(holder) && item->actionLink && !item->menuLink; // on a bar
        }
    EXPECT_GE(folded, 1);
    delete reg;

    EXPECT_EQ(RegistrationRun::parseDumpFold(file), 0);
}

TEST(HostileInput, CyclesRenamesAndDuplicatesAcrossTwoFiles)
{
    // Cycles refused in both files, a cascade renamed by a later file, list
    // items without names, popup menus naming themselves.
    int errors = RegistrationRun::parseDumpFold(RegistrationRun::fuzzInput("cycle-across-files-a.reg"),
                                                RegistrationRun::fuzzInput("cycle-across-files-b.reg"));
    EXPECT_GE(errors, 3);
    // The same two files the other way round.
    errors = RegistrationRun::parseDumpFold(RegistrationRun::fuzzInput("cycle-across-files-b.reg"),
                                            RegistrationRun::fuzzInput("cycle-across-files-a.reg"));
    EXPECT_GE(errors, 3);
}

TEST(HostileInput, NoiseAndUnterminatedTextEndTheParseWithErrors)
{
    // NUL bytes, carriage returns, bytes above 127, control characters, an
    // open selection rule and a block comment that never closes.
    std::string noise = RegistrationRun::fuzzInput("binary-noise.reg");
    EXPECT_GE(RegistrationRun::parseDumpFold(noise), 1);
    EXPECT_GE(RegistrationRun::parseDumpFold(noise, noise), 2);
}

TEST(HostileInput, RulesNestedPastTheStackEndTheParse)
{
    TempDir dir;
    std::string shallow = dir.file("shallow.reg", nestedRule(100));
    std::string deep = dir.file("deep.reg", nestedRule(600));
    EXPECT_EQ(RegistrationRun::parseDumpFold(shallow), 0);
    EXPECT_EQ(RegistrationRun::parseDumpFold(deep), 1); // "yacc stack overflow"
    EXPECT_EQ(RegistrationRun::parseDumpFold(shallow, deep), 1);
}

namespace {

// Bad input draws syntax errors and the model's reports, never an internal
// error or a failed allocation; what a broken statement left unfinished is
// released with the parse.
void expectOnlyParserReports(const ParsedFile& parsed)
{
    EXPECT_EQ(parsed.count("internal error"), 0) << parsed.out;
    EXPECT_EQ(parsed.count("out of memory"), 0) << parsed.out;
    EXPECT_EQ(parsed->ok, parsed->errors == 0 ? 1 : 0);
    EXPECT_EQ(parsed->curString, nullptr);
    EXPECT_EQ(parsed->curDashLength, nullptr);
}

// clang-format off
const char* const WORDS[] = {
    "application", "Demo", "{", "}", "(", ")", ";", ",", ":", "<", ">", "@", "=", "==", "!=", "!", "&&", "||",
    "\"text\"", "'x'", "12", "-3", "_M", "Ctrl<Key>A", "f.action", "f.menu", "menubar", "menu", "popupmenu",
    "popupitem", "toolbarbutton", "action", "selectionrule", "access", "webwindow", "type", "full", "enroll",
    "add", "describe", "connect", "configuration", "if", "field", "label", "geometry", "dropaction",
    "operations", "opmove", "tab", "list", "activehelp", "icon", "description", "command", "-initial", "on",
    "startedby", "namefield", "symbolclass", "symboltype", "segment", "to", "arc", "origin", "size",
    "capabilities", "linedashpattern", "linestyle", "dash", "flags", "enumeration", "cgi", "option",
    "acceptarguments", "ignoreactions", "targetsymboltype", "any", "symbolalert", "context", "#ifdef NT\n",
    "#else\n", "#endif\n", "/*", "*/", "//", "\n", "\r\n"
};
// clang-format on

} // namespace

TEST(HostileInput, RandomBytesAndTokenSoupInEveryKind)
{
    TempDir dir;
    std::mt19937 random(20240607);
    for (int round = 0; round < 40; round++) {
        std::string content(1 + random() % 3000, '\0');
        for (char& c : content)
            c = static_cast<char>(random() & 0xff);
        expectOnlyParserReports(ParsedFile(dir.file("bytes.reg", content)));
    }
    const char* const starts[] = {"Application a { ",
                                  "SymbolClass c { ",
                                  "SymbolType c : t { ",
                                  "Field f { ",
                                  "CGI g { ",
                                  "Application a { Action x { ",
                                  "Application a { MenuBar m { "};
    for (int round = 0; round < 150; round++) {
        std::string content = starts[round % 7];
        for (int i = 1 + static_cast<int>(random() % 120); i > 0; i--)
            content += std::string(WORDS[random() % (sizeof WORDS / sizeof WORDS[0])]) + " ";
        expectOnlyParserReports(ParsedFile(dir.file("soup.reg", content)));
    }
}

TEST(HostileInput, UnterminatedStatementsAndHugeValues)
{
    TempDir dir;
    for (const char* content :
         {"Application \"a", "Application a { Description { \"x", "/* open", "Application a { MenuBar m { \"x\" _",
          "Application a { MenuBar m { \"x\" Ctrl<Key>", "#ifdef", "#", "Application a { Access",
          "SymbolClass c { Segment (1, 2) to", "SymbolClass s { LineDashPattern 4, 2",
          "CGI c { IgnoreActions { Application x {", "Field f { Enumeration a,"})
        expectOnlyParserReports(ParsedFile(dir.file("open.reg", content)));

    std::string big(100 * 1024, 's');
    std::string ident = "i" + std::string(64 * 1024, 'd');
    struct Case {
        std::string text;
        int errors;
    };
    for (const Case& c :
         {Case{"Application \"" + big + "\" { Version \"" + big + "\"; }", 0},
          Case{"Application " + ident + " { NameField " + ident + ", " + ident + "; }", 0},
          Case{"Application a { " + ident + " }", 1}, Case{std::string("Application a {\0 }", 18), 1}}) {
        ParsedFile parsed(dir.file("huge.reg", c.text));
        EXPECT_EQ(parsed->errors, c.errors);
        expectOnlyParserReports(parsed);
    }
}
