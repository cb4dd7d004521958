#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace kivparser;

namespace {

// An action whose ACCESS statement had `written` as its arguments, in the
// order written; a leading '#' marks an integer argument.
class AccessAction {
public:
    explicit AccessAction(std::initializer_list<const char*> written) : action(strdup("act"))
    {
        String* list = new String();
        // Arguments go in at the front, so the last written comes first.
        for (const char* argument : written) {
            if (argument[0] == '#')
                list->addNewData(atoi(argument + 1));
            else
                list->addNewData(strdup(argument));
        }
        action.setAccesses(list);
    }
    Action action;
};

std::string stripped(const char* list, const char* comp)
{
    char* buffer = strdup(list);
    char* result = stripMatchingFinalComponents(buffer, comp);
    EXPECT_STREQ(buffer, list) << "the list given is left as it was";
    std::string out = result ? result : "<null>";
    EXPECT_LE(out.size(), strlen(list));
    free(result);
    free(buffer);
    return out;
}

std::string standardPath(const char* path, const char* dflt, const char* envName)
{
    char* result = getStandardPathNoLang(path, dflt, envName);
    std::string out = result ? result : "<null>";
    free(result);
    return out;
}

} // namespace

TEST(KivparserUtil, StripMatchingFinalComponents)
{
    EXPECT_EQ(stripped("/a/reg/C", "C"), "/a/reg");
    EXPECT_EQ(stripped("/a/reg/C;/b/reg;/c/reg/c/", "C"), "/a/reg;/b/reg;/c/reg/");
    EXPECT_EQ(stripped("/a/ABC;;/b/C", "C"), "/a/ABC;/b");
    EXPECT_EQ(stripped(";/a/C", "C"), ";/a");
    EXPECT_EQ(stripped(";;/a/C;", "C"), ";/a");
    EXPECT_EQ(stripped("C", "C"), "C");
    EXPECT_EQ(stripped("", "C"), "");
    EXPECT_EQ(stripped("/x/C.utf8;/y/C", "C.utf8"), "/x;/y/C");
    EXPECT_EQ(stripMatchingFinalComponents(nullptr, "C"), nullptr);
}

TEST(KivparserUtil, StandardPathWithoutLanguage)
{
    TempDir tree;
    setenv("KZ_ETC_PATH", tree.root.c_str(), 1);
    const char* dflt = "%KZ_ETC_PATH%/registration";
    {
        LocaleGuard locale("C");
        // A given path, with or without its language component.
        EXPECT_EQ(standardPath("/a/reg/C;/b/reg", dflt, "KIvTestDir"), "/a/reg;/b/reg");
        EXPECT_EQ(standardPath("/a/reg/C.utf8", dflt, "KIvTestDir"), "/a/reg/C.utf8");
        // The standard directory, when no variable is set.
        unsetenv("KIvTestDir");
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("registration"));
        EXPECT_EQ(standardPath(nullptr, dflt, nullptr), tree.path("registration"));
        setenv("KIvTestDir", "", 1);
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("registration"));
        // The variable, expanded, may name the language subdirectory.
        setenv("KIvTestDir", "%KZ_ETC_PATH%/mine/C;/other", 1);
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("mine") + ";/other");
        // A given path wins over the variable.
        EXPECT_EQ(standardPath("/given", dflt, "KIvTestDir"), "/given");
    }
    {
        LocaleGuard locale("C.utf8");
        std::string lang = locale.language;
        EXPECT_EQ(standardPath(("/a/reg/" + lang + ";/b/reg/C;/c/reg").c_str(), dflt, nullptr),
                  "/a/reg;/b/reg;/c/reg");
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("mine") + ";/other");
        unsetenv("KIvTestDir");
        // Whether or not the language subdirectory can be searched, the result
        // names the directory itself.
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("registration"));
        tree.dir("registration/" + lang);
        EXPECT_EQ(standardPath(nullptr, dflt, "KIvTestDir"), tree.path("registration"));
    }
    unsetenv("KZ_ETC_PATH");
}

TEST(KivparserUtil, ArfPriorities)
{
    setArfPriorities("jkiv");
    EXPECT_STREQ(Application::getPriorityFile(), "jkiv");
    EXPECT_STREQ(Application::getPriorityApplication(), "Varnel");
    EXPECT_EQ(Application::getPriority("ZETA Taluna Varnel"), AppPRIMARY);
    setArfPriorities("kzlaunch");
    EXPECT_STREQ(Application::getPriorityFile(), "launcher");
    EXPECT_STREQ(Application::getPriorityApplication(), "Launcher");
    for (const char* other : {"dazivovovo", "JKIV", "", static_cast<const char*>(nullptr)}) {
        setArfPriorities("jkiv");
        setArfPriorities(other);
        EXPECT_TRUE(!Application::getPriorityFile() && !Application::getPriorityApplication()) << other;
        EXPECT_STREQ(Application::getPriorityOrganization(), "ZETA");
        EXPECT_STREQ(Application::getPriorityClass(), "ZETA Taluna");
    }
    Application::setPriorityOrganization(nullptr);
    Application::setPriorityClass(nullptr);
}

TEST(KivparserUtil, RoleCheckOfActions)
{
    AccessAction empty({});
    EXPECT_EQ(actionCertifiedByRole(&empty.action, nullptr, 1), 1);
    empty.action.setAccesses(nullptr);
    EXPECT_EQ(actionCertifiedByRole(&empty.action, nullptr, 1), 1);
    EXPECT_EQ(actionCertifiedByRole(nullptr, "admin", 1), 1);

    AccessAction guarded({"admin", "oper"});
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, nullptr, 0), 1);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, nullptr, 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, " \t\n", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "guest", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "Admin adm", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "guest admin", 1), 1);
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "  oper   guest ", 1), 1);
    // Only blanks separate role words.
    EXPECT_EQ(actionCertifiedByRole(&guarded.action, "guest\tadmin", 1), 0);

    // Only the argument written last decides whether the list is blank.
    AccessAction lastBlank({"admin", " \t"});
    EXPECT_EQ(actionCertifiedByRole(&lastBlank.action, nullptr, 1), 1);
    AccessAction firstBlank({"", "admin"});
    EXPECT_EQ(actionCertifiedByRole(&firstBlank.action, nullptr, 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&firstBlank.action, "admin", 1), 1);

    // Integer entries take part by their decimal text.
    AccessAction numbered({"admin", "#3"});
    EXPECT_EQ(actionCertifiedByRole(&numbered.action, nullptr, 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&numbered.action, "guest", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&numbered.action, "3", 1), 1);
    EXPECT_EQ(actionCertifiedByRole(&numbered.action, "03", 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&numbered.action, "x admin", 1), 1);
    AccessAction negative({"#-12"});
    EXPECT_EQ(actionCertifiedByRole(&negative.action, "-12", 1), 1);
}
