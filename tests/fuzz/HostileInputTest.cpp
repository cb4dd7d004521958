// Inputs of the kind the fuzz targets feed the library, replayed the way the
// targets do (parse into shared roots, dump, fold, dump, destroy), so that the
// sanitizer build sees every step. Saved fuzzer findings go to
// tests/data/fuzz with a test of their own here.
#include "kivparser/kivparser.h"
#include "support/RegistrationRun.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>

using namespace kivparser;

namespace {

std::string scratchFile(const std::string& text)
{
    char path[] = "/tmp/kivhostile-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        return std::string();
    bool ok = write(fd, text.data(), text.size()) == (ssize_t)text.size();
    close(fd);
    return ok ? path : std::string();
}

std::string nestedRule(int depth)
{
    return "Application \"Deep\" { Action \"A\" { SelectionRule " + std::string(depth, '(') + "isNode" +
           std::string(depth, ')') + "; } }\n";
}

void collectMenus(ApplicationRegistration* reg, std::set<_Menu*>& menus)
{
    for (Application* app = reg->applications ? reg->applications->next() : nullptr; app; app = app->next()) {
        for (Menu* m = app->menus ? app->menus->next() : nullptr; m; m = m->next())
            menus.insert(m);
        for (PopupMenu* m = app->popupMenus ? app->popupMenus->next() : nullptr; m; m = m->next())
            menus.insert(m);
    }
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

    std::set<_Menu*> menus;
    collectMenus(reg, menus);
    int folded = 0;
    for (MenuBar* bar = reg->menuBars->next(); bar; bar = bar->next()) {
        for (_MenuItem* item = bar->menuItems->next(); item; item = item->next()) {
            if (item->menuLink) {
                EXPECT_TRUE(menus.count(item->menuLink)) << item->label << " links to a destroyed menu";
            }
            if (item->actionLink && !item->menuLink)
                ++folded;
        }
    }
    EXPECT_GE(folded, 1);
    for (_Menu* menu : menus)
        for (_MenuItem* item = menu->menuItems ? menu->menuItems->next() : nullptr; item; item = item->next()) {
            if (item->menuLink) {
                EXPECT_TRUE(menus.count(item->menuLink)) << item->label << " links to a destroyed menu";
            }
        }
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
    std::string shallow = scratchFile(nestedRule(100));
    std::string deep = scratchFile(nestedRule(600));
    ASSERT_FALSE(shallow.empty());
    ASSERT_FALSE(deep.empty());
    EXPECT_EQ(RegistrationRun::parseDumpFold(shallow), 0);
    EXPECT_EQ(RegistrationRun::parseDumpFold(deep), 1); // "yacc stack overflow"
    EXPECT_EQ(RegistrationRun::parseDumpFold(shallow, deep), 1);
    unlink(shallow.c_str());
    unlink(deep.c_str());
}
