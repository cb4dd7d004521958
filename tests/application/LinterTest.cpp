#include "kivparser/kivparser.h"
#include "application/Linter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kivparser;

// The rules of the linter on small registrations; the gnu and JSON forms of
// whole cases are pinned by tests/data/tools/diagnostics (lint).

namespace {

struct Seen {
    std::string rule;
    int positionLine;
    int column;
};

ApplicationRegistration* parse(const std::string& text)
{
    KivParser parser(SourceText{"a.reg", text.data(), text.size()}, static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(parser.errors + parser.warnings, 0);
    return parser.getAppReg();
}

} // namespace

TEST(Linter, RulesAndTheirSelection)
{
    std::vector<Seen> seen;
    ApplicationRegistration* reg = parse("Application a {\n"
                                         "  MenuBar m { \"g\" f.menu \"ghost\"; \"t\" f.mneu \"x\"; }\n"
                                         "  Tab t { \"l\" f.list \"z\"; }\n"
                                         "  Menu lone { \"o\" f.action \"o\"; }\n"
                                         "  Action o { }\n"
                                         "  Action spare { }\n"
                                         "}\n");
    ParserReportScope scope(
        [&](const ParserReport& r) { seen.push_back({r.rule ? r.rule : "", r.positionLine, r.column}); });
    EXPECT_EQ(lintApplications(reg, nullptr, 0), 4);
    std::vector<std::string> rules;
    for (const Seen& s : seen)
        rules.push_back(s.rule);
    const std::vector<std::string> inRuleOrder = {"undefined-menu", "undefined-list", "unreachable-menu",
                                                  "suspicious-function"};
    EXPECT_EQ(rules, inRuleOrder);
    seen.clear();
    const char* only[] = {"unused-action", "syntax-error", "no-such-rule"};
    EXPECT_EQ(lintApplications(reg, only, 3), 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rule, "unused-action");
    EXPECT_EQ(seen[0].positionLine, 6);
    EXPECT_EQ(seen[0].column, 10);
    EXPECT_EQ(lintApplications(nullptr, nullptr, 0), 0);
    delete reg;

    EXPECT_EQ(Linter::editDistance("acton", "action"), 1);
    EXPECT_EQ(Linter::editDistance("MENU", "menu"), 0);
    EXPECT_EQ(Linter::editDistance("exit", "list"), 3);
    EXPECT_EQ(Linter::editDistance("", "list"), 4);
}

