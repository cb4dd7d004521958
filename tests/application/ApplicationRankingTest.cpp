#include "kivparser/kivparser.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace kivparser;

namespace {

void setRanking(const char* organization, const char* cls, const char* application)
{
    Application::setPriorityOrganization(organization);
    Application::setPriorityClass(cls);
    Application::setPriorityApplication(application);
}

Application* app(const char* name)
{
    return new Application(name ? strdup(name) : nullptr);
}

int sign(int n)
{
    return n < 0 ? -1 : n > 0 ? 1 : 0;
}

} // namespace

TEST(ApplicationRanking, RanksFollowTheThreePriorityStrings)
{
    setRanking("Org", "Org Tools", "Mapper");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppPRIMARY);
    EXPECT_EQ(Application::getPriority("Org ToolsMapper"), AppPRIMARY);
    EXPECT_EQ(Application::getPriority("Org Tools"), AppSECONDARY);
    EXPECT_EQ(Application::getPriority("Org Tools "), AppSECONDARY);
    EXPECT_EQ(Application::getPriority("Org Tools Viewer"), AppSECONDARY);
    EXPECT_EQ(Application::getPriority("Org Other"), AppTERTIARY);
    EXPECT_EQ(Application::getPriority("Org"), AppTERTIARY);
    EXPECT_EQ(Application::getPriority("org Tools Mapper"), AppOTHER);
    EXPECT_EQ(Application::getPriority("Another"), AppOTHER);
    EXPECT_EQ(Application::getPriority(""), AppOTHER);
    EXPECT_EQ(Application::getPriority(nullptr), AppOTHER);

    // The application string counts only behind the class prefix.
    setRanking("Org", "Org Mapper", "Mapper");
    EXPECT_EQ(Application::getPriority("Org Mapper X"), AppSECONDARY);
    EXPECT_EQ(Application::getPriority("Org Mapper Mapper"), AppPRIMARY);

    setRanking("Org", "Org Tools", nullptr);
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppSECONDARY);
    setRanking("Org", "Org Tools", "");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppSECONDARY);
    setRanking("Org", nullptr, "Mapper");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppTERTIARY);
    setRanking("Org", "", "Mapper");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppTERTIARY);
    setRanking(nullptr, "Org Tools", "Mapper");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppOTHER);
    setRanking("", "Org Tools", "Mapper");
    EXPECT_EQ(Application::getPriority("Org Tools Mapper"), AppOTHER);
}

TEST(ApplicationRanking, RankIsFixedWhenTheApplicationIsMade)
{
    Application::setPriorityFile("first.reg");
    setRanking("Org", "Org Tools", "Mapper");
    Application* mapper = app("Org Tools Mapper");
    Application* unnamed = app(nullptr);
    EXPECT_EQ(mapper->priority, AppPRIMARY);
    EXPECT_EQ(unnamed->priority, AppOTHER);
    setRanking(nullptr, nullptr, nullptr);
    EXPECT_EQ(mapper->priority, AppPRIMARY);
    EXPECT_STREQ(Application::getPriorityFile(), "first.reg");
    EXPECT_EQ(Application::getPriorityOrganization(), nullptr);
    delete mapper;
    delete unnamed;
}

TEST(ApplicationRanking, CollateOrdersByRankThenName)
{
    setRanking("Org", "Org Tools", "Mapper");
    Application* primary = app("Org Tools Mapper");
    Application* tertiary = app("Org Alpha");
    Application* other = app("Beta");
    Application* otherToo = app("Alpha");
    Application* unnamed = app(nullptr);
    Application* unnamedToo = app(nullptr);

    EXPECT_EQ(Application::collate(primary, tertiary, 1), -1);
    EXPECT_EQ(Application::collate(other, tertiary, 1), 1);
    // Without ranks the names decide.
    EXPECT_EQ(sign(Application::collate(primary, tertiary, 0)), 1);
    EXPECT_EQ(sign(Application::collate(otherToo, other, 1)), -1);
    EXPECT_EQ(Application::collate(other, other, 1), 0);

    // A missing application ranks as other and has no name.
    EXPECT_EQ(Application::collate(primary, nullptr, 1), -1);
    EXPECT_EQ(Application::collate(nullptr, primary, 1), 1);
    EXPECT_EQ(Application::collate(other, nullptr, 1), -1);
    EXPECT_EQ(Application::collate(nullptr, other, 0), 1);
    EXPECT_EQ(Application::collate(nullptr, nullptr, 1), 0);
    EXPECT_EQ(Application::collate(unnamed, nullptr, 1), 0);

    // Named before unnamed; two unnamed are equal.
    EXPECT_EQ(Application::collate(otherToo, unnamed, 0), -1);
    EXPECT_EQ(Application::collate(unnamed, otherToo, 0), 1);
    EXPECT_EQ(Application::collate(unnamed, unnamedToo, 1), 0);
    // ... but rank comes first.
    EXPECT_EQ(Application::collate(unnamed, tertiary, 1), 1);

    for (Application* a : {primary, tertiary, other, otherToo, unnamed, unnamedToo})
        delete a;
}
