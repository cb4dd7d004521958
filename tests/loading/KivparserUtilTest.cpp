#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

using namespace kivparser;

namespace {

std::string owned(char* result)
{
    std::string out = result ? result : "<null>";
    free(result);
    return out;
}

} // namespace

// Each entry of a list loses a last component that is the language (whatever
// its case, with or without a separator behind it); empty entries go, an
// entry that is only the language stays; the list given is left as it was.
TEST(KivparserUtil, StripMatchingFinalComponents)
{
    const char* cases[][3] = {
        {"/a/reg/C", "C", "/a/reg"},
        {"/a/reg/C;/b/reg;/c/reg/c/", "C", "/a/reg;/b/reg;/c/reg/"},
        {"/a/ABC;;/b/C", "C", "/a/ABC;/b"},
        {";/a/C", "C", ";/a"},
        {";;/a/C;", "C", ";/a"},
        {"C", "C", "C"},
        {"/x/C//", "C", "/x/C//"},
        {"", "C", ""},
        {"d:\\reg\\C", "C", "d:\\reg"},
        {"/x/C.utf8;/y/C", "C.utf8", "/x;/y/C"},
    };
    for (const auto& c : cases) {
        char* list = strdup(c[0]);
        EXPECT_EQ(owned(stripMatchingFinalComponents(list, c[1])), c[2]) << c[0];
        EXPECT_STREQ(list, c[0]);
        free(list);
    }
    EXPECT_EQ(stripMatchingFinalComponents(nullptr, "C"), nullptr);
}

// The path given, else the variable (expanded), else the standard directory;
// without the language component of each entry, also in another language.
TEST(KivparserUtil, StandardPathWithoutLanguage)
{
    TempDir tree;
    setenv("KZ_ETC_PATH", tree.root.c_str(), 1);
    const char* dflt = "%KZ_ETC_PATH%/registration";
    // Paths read with '/', whichever separator joined them.
    auto path = [&](const char* given, const char* variable) {
        return slashes(owned(getStandardPathNoLang(given, dflt, variable)));
    };
    auto at = [&](const char* rel) { return slashes(tree.path(rel)); };
    {
        LocaleGuard locale("C");
        EXPECT_EQ(path("/a/reg/C;/b/reg", "KIvTestDir"), "/a/reg;/b/reg");
        EXPECT_EQ(path("/a/reg/C.utf8", "KIvTestDir"), "/a/reg/C.utf8");
        unsetenv("KIvTestDir");
        EXPECT_EQ(path(nullptr, "KIvTestDir"), at("registration"));
        EXPECT_EQ(path(nullptr, nullptr), at("registration"));
        setenv("KIvTestDir", "", 1);
        EXPECT_EQ(path(nullptr, "KIvTestDir"), at("registration"));
        setenv("KIvTestDir", "%KZ_ETC_PATH%/mine/C;/other", 1);
        EXPECT_EQ(path(nullptr, "KIvTestDir"), at("mine") + ";/other");
        EXPECT_EQ(path("/given", "KIvTestDir"), "/given");
    }
    LocaleGuard locale("C.utf8");
    std::string lang = locale.language;
    EXPECT_EQ(path(("/a/reg/" + lang + ";/b/reg/C;/c/reg").c_str(), nullptr), "/a/reg;/b/reg;/c/reg");
    EXPECT_EQ(path(nullptr, "KIvTestDir"), at("mine") + ";/other");
    unsetenv("KIvTestDir");
    // Whether or not the language subdirectory exists, the result names the
    // directory itself.
    EXPECT_EQ(path(nullptr, "KIvTestDir"), at("registration"));
    tree.dir("registration/" + lang);
    EXPECT_EQ(path(nullptr, "KIvTestDir"), at("registration"));
    unsetenv("KZ_ETC_PATH");
}

// The role rules themselves are checked through the tool (tool_test.sh
// roles); here what no command line can pass: no roles, no action, security
// off.
TEST(KivparserUtil, RoleCheckWithoutRolesActionOrSecurity)
{
    Action guarded(strdup("act"));
    String* list = new String();
    list->addNewData(strdup("admin"));
    guarded.setAccesses(list);
    EXPECT_EQ(actionCertifiedByRole(&guarded, nullptr, 1), 0);
    EXPECT_EQ(actionCertifiedByRole(&guarded, "admin", 1), 1);
    EXPECT_EQ(actionCertifiedByRole(&guarded, nullptr, 0), 1);
    EXPECT_EQ(actionCertifiedByRole(nullptr, "admin", 1), 1);
}
