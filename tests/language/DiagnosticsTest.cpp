#include "kivparser/kivparser.h"
#include "language/ExpectedTokens.h"
#include "language/SourceMap.h"
#include "language/grammar.tab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

using namespace kivparser;

// What the report records carry beyond the framed text: rules, places,
// expected tokens, related places; the source map behind them. The gnu and
// JSON forms of whole cases are pinned by tests/data/tools/diagnostics.

namespace {

struct Seen {
    ReportKind kind;
    std::string rule;
    int line;
    int positionLine;
    int column;
    std::string detail;
    std::vector<std::string> expected;
    std::vector<std::string> related; // "file:line:column text"
};

// Parses `texts` in turn (named a.reg, b.reg ...) into one application
// registration and returns it with every report made.
ApplicationRegistration* parseAll(const std::vector<std::string>& texts, std::vector<Seen>& seen)
{
    ApplicationRegistration* reg = nullptr;
    ParserReportScope scope([&](const ParserReport& r) {
        Seen s{r.kind, r.rule ? r.rule : "", r.line, r.positionLine, r.column, r.detail ? r.detail : "", {}, {}};
        for (int i = 0; i < r.expectedCount; i++)
            s.expected.push_back(r.expected[i]);
        for (int i = 0; i < r.relatedCount; i++)
            s.related.push_back(std::string(r.related[i].file ? r.related[i].file : "-") + ":" +
                                std::to_string(r.related[i].line) + ":" + std::to_string(r.related[i].column) + " " +
                                r.related[i].text);
        seen.push_back(s);
    });
    char name[] = "a.reg";
    for (const std::string& text : texts) {
        KivParser parser(SourceText{name, text.data(), text.size()}, reg, 0);
        reg = parser.getAppReg();
        name[0]++;
    }
    return reg;
}

std::vector<Seen> reportsOf(const std::vector<std::string>& texts)
{
    std::vector<Seen> seen;
    delete parseAll(texts, seen);
    return seen;
}

} // namespace

// The place to fix of each kind of syntax error, and what was expected.
TEST(Diagnostics, SyntaxErrorsSayWhereAndWhat)
{
    struct Case {
        const char* name;
        std::string text;
        const char* rule;
        int line;         // the framed report's line
        int positionLine; // the place to fix
        int column;
        const char* detail;
    };
    const std::vector<Case> cases = {
        // The ';' that line 2 lacks is noticed at line 3, placed after "x".
        {"missing semicolon", "Application a {\n  DisplayString \"x\"\n  Version \"1\";\n}\n", "syntax-error", 3, 2, 20,
         "expected ';'"},
        // After a '}' a ';' would only be an empty statement: the token is at fault.
        {"wrong token", "Application a {\n  Menu m { }\n  7;\n}\n", "syntax-error", 3, 3, 3, nullptr},
        {"number for a string", "Application a { Version 7; }", "syntax-error", 1, 1, 25, "expected a string"},
        {"unterminated string", "Application a {\n  DisplayString \"x;\n}\n", "unterminated-string", 4, 2, 17,
         "unterminated string"},
        {"unterminated comment", "Application a {\n /* x\n}\n", "unterminated-comment", 4, 2, 2,
         "unterminated comment"},
        // A tab and the two bytes of a UTF-8 character are three columns.
        {"bytes", "Application a {\tDisplayString \"\xc3\xa9\" 7; }", "syntax-error", 1, 1, 36, "expected ';'"},
    };
    for (const Case& c : cases) {
        std::vector<Seen> seen = reportsOf({c.text});
        ASSERT_FALSE(seen.empty()) << c.name;
        const Seen& s = seen.front();
        EXPECT_EQ(s.kind, RPT_SYNTAX) << c.name;
        EXPECT_EQ(s.rule, c.rule) << c.name;
        EXPECT_EQ(s.line, c.line) << c.name;
        EXPECT_EQ(s.positionLine, c.positionLine) << c.name;
        EXPECT_EQ(s.column, c.column) << c.name;
        if (c.detail) {
            EXPECT_EQ(s.detail, c.detail) << c.name;
        }
        EXPECT_FALSE(s.expected.empty()) << c.name;
    }
}

// A few at most are named, then "..."; all of them are in the record.
TEST(Diagnostics, ExpectedTokensAreNamedAFewAtMost)
{
    std::vector<Seen> seen = reportsOf({"Application a {\n"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].detail, "expected ';', '}', a string, 'action' or ...");
    EXPECT_GT(seen[0].expected.size(), 10u);
    EXPECT_EQ(seen[0].expected[0], "';'");
    EXPECT_STREQ(ExpectedTokens::spelling(0), "end of input");
    EXPECT_STREQ(ExpectedTokens::spelling(MENUBAR), "'menubar'");
    EXPECT_STREQ(ExpectedTokens::spelling(LCURL), "'{'");
    EXPECT_EQ(ExpectedTokens::spelling(LEXERR), nullptr);
    EXPECT_TRUE(ExpectedTokens::inState(-1).empty());
}

// Duplicates point at the first definition: in the same file a duplicate,
// in an earlier file a shadowed definition. An undefined action stands at
// its first use in the file; every other use is a related place.
TEST(Diagnostics, RelatedPlaces)
{
    std::vector<Seen> seen = reportsOf({
        "Application a {\n"
        "  MenuBar m { \"1\" f.action \"gone\"; \"2\" f.action \"gone\"; }\n"
        "  Action b { }\n"
        "  Action b { }\n"
        "}\n",
        "Application a { Action b { } }\n",
    });
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].rule, "duplicate-definition");
    EXPECT_EQ(seen[0].positionLine, 4);
    EXPECT_EQ(seen[0].column, 10);
    EXPECT_EQ(seen[0].related, std::vector<std::string>{"a.reg:3:10 first defined here"});
    EXPECT_EQ(seen[1].rule, "undefined-action");
    EXPECT_EQ(seen[1].line, 5);
    EXPECT_EQ(seen[1].positionLine, 2);
    EXPECT_EQ(seen[1].column, 28);
    EXPECT_EQ(seen[1].related, std::vector<std::string>{"a.reg:2:49 used here"});
    EXPECT_EQ(seen[2].rule, "shadowed-definition"); // the application block
    EXPECT_EQ(seen[3].rule, "shadowed-definition");
    EXPECT_EQ(seen[3].related, std::vector<std::string>{"a.reg:3:10 first defined here"});
    // In b.reg the action is still undefined: its uses are all in a.reg, the
    // report stays at the end of the application block.
    EXPECT_EQ(seen[4].rule, "undefined-action");
    EXPECT_EQ(seen[4].column, 30);
    EXPECT_EQ(seen[4].related.size(), 2u);
}

TEST(Diagnostics, RefusedCycleNamesTheLinkBack)
{
    std::vector<Seen> seen = reportsOf({"Application a {\n"
                                        "  Menu x { \"to y\" f.menu \"y\"; }\n"
                                        "  Menu y { \"to x\" f.menu \"x\"; }\n"
                                        "}\n"});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rule, "cyclic-link");
    EXPECT_EQ(seen[0].positionLine, 3);
    EXPECT_EQ(seen[0].column, 26);
    EXPECT_EQ(seen[0].related, std::vector<std::string>{"a.reg:2:12 the link back that closes the cycle"});
}

// The source map: definitions merged over files, uses, the public
// accessors; released with the registration, nothing left behind.
TEST(Diagnostics, SourceMapLivesAsLongAsItsRoot)
{
    size_t before = SourceMap::rootCount();
    std::vector<Seen> seen;
    ApplicationRegistration* reg = parseAll({"Application a { Menu m { \"x\" f.action \"go\"; } Action go { } }",
                                             "Application a {\n  Menu m { \"y\" f.action \"go\"; }\n}"},
                                            seen);
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(SourceMap::rootCount(), before + 1);
    Application* app = reg->lookupApplication(const_cast<char*>("a"));
    ASSERT_NE(app, nullptr);
    Menu* menu = app->lookupMenu(const_cast<char*>("m"));
    Action* action = app->lookupAction(const_cast<char*>("go"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(action, nullptr);

    SourceLocation places[4];
    ASSERT_EQ(findDefinitions(reg, menu, places, 4), 2);
    EXPECT_STREQ(places[0].file, "a.reg");
    EXPECT_EQ(places[0].line, 1);
    EXPECT_EQ(places[0].column, 22);
    EXPECT_EQ(places[0].endColumn, 23);
    EXPECT_STREQ(places[1].file, "b.reg");
    EXPECT_EQ(places[1].line, 2);
    EXPECT_EQ(places[1].column, 8);
    EXPECT_EQ(findUses(reg, action, places, 1), 2); // counted beyond `max`
    EXPECT_EQ(places[0].column, 39);
    EXPECT_EQ(findDefinitions(reg, reg, places, 4), 0);
    EXPECT_EQ(findDefinitions(nullptr, menu, places, 4), 0);

    delete reg;
    EXPECT_EQ(SourceMap::rootCount(), before);
}

// Loads on several threads fill and release their maps side by side.
TEST(Diagnostics, SourceMapsOfParallelLoads)
{
    size_t before = SourceMap::rootCount();
    std::vector<std::thread> threads;
    std::vector<int> found(4, -1);
    for (int t = 0; t < 4; t++) {
        threads.emplace_back([t, &found] {
            for (int round = 0; round < 20; round++) {
                std::string text = "Application a { Action x" + std::to_string(t) + " { } }";
                KivParser parser(SourceText{"t.reg", text.data(), text.size()}, static_cast<ApplicationRegistration*>(nullptr), 0);
                ApplicationRegistration* reg = parser.getAppReg();
                Application* app = reg ? reg->lookupApplication(const_cast<char*>("a")) : nullptr;
                Action* action = app ? app->lookupAction(const_cast<char*>(("x" + std::to_string(t)).c_str())) : nullptr;
                SourceLocation place;
                found[t] = action ? findDefinitions(reg, action, &place, 1) : -1;
                delete reg;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(found, std::vector<int>(4, 1));
    EXPECT_EQ(SourceMap::rootCount(), before);
}

TEST(Diagnostics, EveryRuleIsListedOnce)
{
    std::vector<std::string> names;
    for (int i = 0; i < diagnosticRuleCount(); i++) {
        const DiagnosticRule* rule = diagnosticRule(i);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(findDiagnosticRule(rule->name), rule);
        names.push_back(rule->name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
    EXPECT_EQ(diagnosticRule(diagnosticRuleCount()), nullptr);
    EXPECT_EQ(findDiagnosticRule("nothing"), nullptr);
}

// An editor completes at the cursor by parsing the text cut there: the
// syntax error at the cut names every token that may follow.
TEST(Diagnostics, CompletionFromTheTextCutAtTheCursor)
{
    struct Case {
        std::string text;
        std::vector<std::string> some;
    };
    const std::vector<Case> cases = {
        {"Application a {\n  Menu m { \"Open\" ", {"'!'", "a function (f.name)", "a mnemonic (_x)", "'context'"}},
        {"Application a {\n  Action b { ", {"'}'", "'selectionrule'", "'callbackargs'", "'access'"}},
        {"Application a {\n  Action b { Access ", {"a string", "a name", "a number"}},
    };
    for (const Case& c : cases) {
        std::vector<Seen> seen = reportsOf({c.text});
        ASSERT_EQ(seen.size(), 1u) << c.text;
        EXPECT_EQ(seen[0].rule, "syntax-error");
        for (const std::string& token : c.some)
            EXPECT_NE(std::find(seen[0].expected.begin(), seen[0].expected.end(), token), seen[0].expected.end())
                << token << " after: " << c.text;
    }
}
