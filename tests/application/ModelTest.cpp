// Rules that many model classes share, each tested once: the locked setter
// (through SListOps and one class), the ranking of applications and the
// construction trace. What the builders do with them is in the golden cases.

#include "kivparser/kivparser.h"
#include "application/MenuTrace.h"
#include "lists/SListOps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace kivparser;

// Unlocked, a setter replaces the held value and releases it (not when given
// the same one again); locked, it keeps the held value and releases the one
// given. The leak check sees every text, list and object given up.
TEST(ApplicationModel, LockedSettersKeepTheHeldValue)
{
    char* text = strdup("first");
    SListOps::setText(0, text, strdup("second"));
    SListOps::setText(0, text, text);
    SListOps::setText(1, text, strdup("third"));
    EXPECT_STREQ(text, "second");
    free(text);
    Command* command = new Command();
    SListOps::setObject(0, command, new Command());
    SListOps::setObject(1, command, new Command());
    delete command;
    String* list = nullptr;
    SListOps::setList(0, list, new String());
    SListOps::setList(1, list, new String());
    SListOps::disposeList(list);
    int number = 1;
    SListOps::setValue(1, number, 2);
    EXPECT_EQ(number, 1);
    SListOps::setValue(0, number, 3);
    EXPECT_EQ(number, 3);

    Application app(strdup("A"));
    Application parent(strdup("P"));
    app.setDisplayString(strdup("first"));
    app.setDisplayString(strdup("second"));
    app.locked = 1;
    app.setDisplayString(strdup("third"));
    app.setAppParent(&parent);
    EXPECT_STREQ(app.displayString, "second");
    EXPECT_EQ(app.appParent, nullptr);
}

// The rank of an application name under the three priority strings, fixed
// when the application is made; collate orders by rank, then by name, an
// application without a name (or none at all) last.
TEST(ApplicationModel, RankingByThePriorityStrings)
{
    struct {
        const char *organization, *cls, *application, *name;
        AppPriorityType rank;
    } cases[] = {
        {"Org", "Org Tools", "Mapper", "Org Tools Mapper", AppPRIMARY},
        {"Org", "Org Tools", "Mapper", "Org ToolsMapper", AppPRIMARY},
        {"Org", "Org Tools", "Mapper", "Org Tools ", AppSECONDARY},
        {"Org", "Org Tools", "Mapper", "Org Tools Viewer", AppSECONDARY},
        {"Org", "Org Tools", "Mapper", "Org Other", AppTERTIARY},
        {"Org", "Org Tools", "Mapper", "org Tools Mapper", AppOTHER},
        {"Org", "Org Tools", "Mapper", nullptr, AppOTHER},
        {"Org", "Org Mapper", "Mapper", "Org Mapper X", AppSECONDARY},
        {"Org", "Org Mapper", "Mapper", "Org Mapper Mapper", AppPRIMARY},
        {"Org", "Org Tools", "", "Org Tools Mapper", AppSECONDARY},
        {"Org", nullptr, "Mapper", "Org Tools Mapper", AppTERTIARY},
        {"Org", "", "Mapper", "Org Tools Mapper", AppTERTIARY},
        {nullptr, "Org Tools", "Mapper", "Org Tools Mapper", AppOTHER},
        {"", "Org Tools", "Mapper", "Org Tools Mapper", AppOTHER},
    };
    for (const auto& c : cases) {
        Application::setPriorityOrganization(c.organization);
        Application::setPriorityClass(c.cls);
        Application::setPriorityApplication(c.application);
        EXPECT_EQ(Application::getPriority(c.name), c.rank) << (c.name ? c.name : "(null)");
    }

    Application::setPriorityOrganization("Org");
    Application::setPriorityClass("Org Tools");
    Application::setPriorityApplication("Mapper");
    Application primary(strdup("Org Tools Mapper")), tertiary(strdup("Org Alpha")), beta(strdup("Beta")),
        alpha(strdup("Alpha")), unnamed;
    Application::setPriorityOrganization(nullptr);
    EXPECT_EQ(primary.priority, AppPRIMARY);
    EXPECT_EQ(Application::collate(&primary, &tertiary, 1), -1);
    EXPECT_EQ(Application::collate(&beta, &tertiary, 1), 1);
    EXPECT_GT(Application::collate(&primary, &tertiary, 0), 0);
    EXPECT_LT(Application::collate(&alpha, &beta, 1), 0);
    EXPECT_EQ(Application::collate(&beta, &beta, 1), 0);
    EXPECT_EQ(Application::collate(&alpha, &unnamed, 0), -1);
    EXPECT_EQ(Application::collate(nullptr, &beta, 0), 1);
    EXPECT_EQ(Application::collate(&unnamed, nullptr, 1), 0);
    EXPECT_EQ(Application::collate(&unnamed, &tertiary, 1), 1);
}

// What no dump shows: the registration holds its lists newest first, and each
// list counts its completed definitions (Renamed, once Shared, has a block in
// both files; Other was made by a reference, then defined once).
TEST(ApplicationModel, ListsNewestFirstWithTheirDefinitionCounts)
{
    ApplicationRegistration* reg = nullptr;
    for (const char* file : {"tab_a.reg", "tab_b.reg"}) {
        std::string path = std::string(KIVPARSER_TEST_DATA) + "/application/" + file;
        KivParser parser(const_cast<char*>(path.c_str()), reg, 0);
        reg = parser.getAppReg();
    }
    ASSERT_NE(reg, nullptr);
    std::string lists;
    for (ParserList* list = reg->lists ? reg->lists->next() : nullptr; list; list = list->next())
        lists += std::string(list->menuID) + " " + std::to_string(list->locked) + ";";
    EXPECT_EQ(lists, "Other 1;Renamed 2;");
    delete reg;
}

TEST(ApplicationModel, ConstructionTraceUnderTheModuleSwitches)
{
    menuTraceVerbose = menuBarTraceVerbose = menuItemTraceVerbose = 1;
    testing::internal::CaptureStderr();
    {
        Menu menu(strdup("m"));
        PopupMenu popup;
        MenuBar bar(strdup("b"));
        ToolbarButton button(-1, strdup("t"), 0, nullptr, nullptr);
        ListItem item(-1, strdup("i"), nullptr, nullptr, nullptr);
    }
    std::string out = testing::internal::GetCapturedStderr();
    menuTraceVerbose = menuBarTraceVerbose = menuItemTraceVerbose = 0;
    EXPECT_EQ(out,
              "Menu::Menu(m)\nPopupMenu::PopupMenu(NONE)\nMenuBar::MenuBar(b)\n"
              "ToolbarButton::ToolbarButton(t)\nListItem::ListItem(i)\nListItem::~ListItem(i)\n"
              "ToolbarButton::~ToolbarButton(t)\nMenuBar::~MenuBar(b)\nPopupMenu::~PopupMenu(NONE)\n"
              "Menu::~Menu(m)\n");
}
