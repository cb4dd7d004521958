// Failing closed: an action whose definition did not complete (a file cut
// anywhere inside it, a syntax error inside it, a parse given up) is denied
// to every role; complete definitions are checked as they always were.

#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

const char* const roleWords[] = {"netadmin", "operator", "guest", "", "netadmin operator"};

// The registration that `text` gives as one file (null when none).
ApplicationRegistration* parse(const TempDir& dir, const std::string& text)
{
    std::string path = dir.file("app.reg", text);
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    return parser.getAppReg();
}

Action* findAction(ApplicationRegistration* reg, const char* app, const char* action)
{
    Application* application = reg ? reg->lookupApplication(const_cast<char*>(app)) : nullptr;
    return application ? application->lookupAction(const_cast<char*>(action)) : nullptr;
}

// Which of roleWords may run the action, as "1" and "0".
std::string decisions(Action* action)
{
    std::string out;
    for (const char* roles : roleWords)
        out += actionCertifiedByRole(action, roles, 1) ? '1' : '0';
    return out;
}

const std::string guarded = "Application \"Net\"\n"
                            "{\n"
                            "    MenuBar \"Tools\" { \"Ping\" f.action \"Ping\"; \"Show\" f.action \"Show\"; }\n"
                            "    Action \"Show\" { Access \"guest\"; }\n"
                            "    Action \"Ping\" {\n"
                            "        SelectionRule isNode;\n"
                            "        Access \"netadmin\" \"operator\";\n"
                            "        DisplayString \"Ping the node\";\n"
                            "    }\n"
                            "}\n";

} // namespace

// The whole file first, then the file cut after every byte from the start of
// the action's block to its end: the access statement cut anywhere (inside a
// string, between its words, before its semicolon), the block cut before or
// after it. A cut action is denied to every role; the action defined in full
// before it is checked as usual.
TEST(FailClosed, ActionCutAnywhereIsDeniedToEveryRole)
{
    TempDir dir;
    ApplicationRegistration* whole = parse(dir, guarded);
    EXPECT_EQ(decisions(findAction(whole, "Net", "Ping")), "11001");
    EXPECT_EQ(decisions(findAction(whole, "Net", "Show")), "00100");
    EXPECT_FALSE(findAction(whole, "Net", "Ping")->definitionIncomplete());
    delete whole;

    size_t begin = guarded.find("Action \"Ping\"");
    size_t end = guarded.find("}\n}\n") + 1;
    int cuts = 0;
    for (size_t cut = begin; cut < end; ++cut) {
        ApplicationRegistration* reg = parse(dir, guarded.substr(0, cut));
        Action* ping = findAction(reg, "Net", "Ping");
        ASSERT_NE(ping, nullptr) << "cut at " << cut;
        EXPECT_EQ(decisions(ping), "00000") << "cut after \"" << guarded.substr(begin, cut - begin) << "\"";
        EXPECT_TRUE(ping->definitionIncomplete());
        EXPECT_EQ(decisions(findAction(reg, "Net", "Show")), "00100");
        delete reg;
        ++cuts;
    }
    EXPECT_GT(cuts, 100);
}

// Damage that error recovery gets past: a syntax error inside the block, a
// block whose end is lost, a placeholder whose block the recovery skipped.
// Blocks without damage in the same file, and a later file's block for an
// action that is complete already, change nothing.
TEST(FailClosed, DamagedBlocksAreDeniedAndCleanOnesKept)
{
    TempDir dir;
    struct Case {
        std::string text;
        const char* action;
        const char* decided;
    };
    const Case cases[] = {
        {"Application \"A\" { Action \"X\" { Access \"netadmin\" == ; } Action \"Y\" { Access \"guest\"; } }",
         "X", "00000"},
        {"Application \"A\" { Action \"X\" { Access \"netadmin\" == ; } Action \"Y\" { Access \"guest\"; } }",
         "Y", "00100"},
        {"Application \"A\" { Action \"X\" { Access \"netadmin\"; Action \"Y\" { } }", "X", "00000"},
        {"Application \"A\" { MenuBar \"M\" { \"x\" f.action \"X\"; } Action Action \"X\" { Access \"netadmin\"; } }",
         "X", "00000"},
        {"Application \"A\" { Action \"X\" { Access \"netadmin\"; } MenuBar \"M\" { \"x\" f.action ; ; } }", "X",
         "10001"},
    };
    for (const Case& c : cases) {
        ApplicationRegistration* reg = parse(dir, c.text);
        Action* action = findAction(reg, "A", c.action);
        ASSERT_NE(action, nullptr) << c.text;
        EXPECT_EQ(decisions(action), c.decided) << c.action << " of " << c.text;
        delete reg;
    }

    // Without any damage a placeholder stays what it always was: reported as
    // never defined, and open to all.
    ApplicationRegistration* reg =
        parse(dir, "Application \"A\" { MenuBar \"M\" { \"x\" f.action \"Nowhere\"; } }");
    EXPECT_EQ(decisions(findAction(reg, "A", "Nowhere")), "11111");
    delete reg;
}

// The links made by the files of one load are remembered: a later file's
// entry that would close a cycle through them is refused, not stored.
TEST(FailClosed, CycleAcrossTheFilesOfOneLoadIsRefused)
{
    TempDir dir;
    const std::string data = std::string(KIVPARSER_TEST_DATA) + "/application/";
    for (const char* name : {"cycleload_a.reg", "cycleload_b.reg"}) {
        std::ifstream in(data + name);
        std::stringstream text;
        text << in.rdbuf();
        dir.file(std::string("registration/C/") + name, text.str());
    }
    std::vector<int> errors;
    ParserReportScope scope([&](const ParserReport& r) {
        if (r.kind == RPT_ERROR)
            errors.push_back(r.catalogNumber);
    });
    ApplicationRegistration* reg = loadArf(0, dir.path("registration").c_str());
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(errors, std::vector<int>{MSG_FMENU_CYCLE});
    Application* app = reg->lookupApplication(const_cast<char*>("cycleload"));
    Menu* c = app ? app->lookupMenu(const_cast<char*>("C")) : nullptr;
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->menuItems, nullptr);
    EXPECT_EQ(c->menuItems->menuLink, nullptr);
    delete reg;
}
