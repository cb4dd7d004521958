#include "kivparser/kivparser.h"
#include "platform/KzPlatform.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kivparser;

// What the platform layer adds to the C library: paths with variables and
// build defaults, path lists, the installation's switches, searches that know
// multibyte characters.

TEST(KzPlatform, PathsExpandEnvironmentOrBuildDefaults)
{
    unsetenv("KZ_ETC_PATH");
    unsetenv("KZ_PATH");
    EXPECT_EQ(std::string(_KZGetPath("%KZ_ETC_PATH%/registration")),
              std::string(KIVPARSER_DEFAULT_KZ_ETC_PATH) + "/registration");
    EXPECT_STREQ(_KZGetPath("%KZ_PATH%"), KIVPARSER_DEFAULT_KZ_PATH);

    setenv("KZ_ETC_PATH", "/opt/kz/etc", 1);
    setenv("KZ_PATH", "", 1);
    setenv("KIV_OTHER", "x", 1);
    unsetenv("KIV_UNSET");
    EXPECT_STREQ(_KZGetPath("%KZ_PATH%/www"), KIVPARSER_DEFAULT_KZ_PATH "/www");
    EXPECT_STREQ(_KZGetPath("a%KIV_OTHER%b%KIV_OTHER%"), "axbx");
    EXPECT_STREQ(_KZGetPath("%KIV_UNSET%/a"), "%KIV_UNSET%/a");
    EXPECT_STREQ(_KZGetPath("100%% and 5% off"), "100%% and 5% off");
    EXPECT_EQ(_KZGetPath(nullptr), nullptr);
    // The result may be handed back in.
    EXPECT_STREQ(_KZGetPath(_KZGetPath("%KIV_OTHER%/%KZ_ETC_PATH%")), "x//opt/kz/etc");

    EXPECT_STREQ(_KZBuildPath("%KZ_ETC_PATH%/www", "C", 0), "/opt/kz/etc/www" KZ_PATH_SEP_STR "C");
    EXPECT_STREQ(_KZBuildPath("%KZ_ETC_PATH%/", "ja", 0), "/opt/kz/etc/ja");
    EXPECT_STREQ(_KZBuildPath("%KZ_ETC_PATH%", nullptr, 0), "/opt/kz/etc");
    // The two results live apart.
    const char* built = _KZBuildPath("b", "s", 0);
    EXPECT_STREQ(_KZGetPath("g"), "g");
    EXPECT_STREQ(built, "b" KZ_PATH_SEP_STR "s");
}

TEST(KzPlatform, PathListsAreWalkedEntryByEntry)
{
    std::vector<std::string> entries;
    for (char* e = _KZparsePath(";/a/b;;c d;/e;"); e; e = _KZparsePath(nullptr))
        entries.push_back(e);
    EXPECT_EQ(entries, (std::vector<std::string>{"/a/b", "c d", "/e"}));
    EXPECT_EQ(_KZparsePath(nullptr), nullptr);
    EXPECT_EQ(_KZparsePath(";;"), nullptr);
    // A new list restarts the walk, also in the middle of one; the caller's
    // text is not touched.
    EXPECT_STREQ(_KZparsePath("x;y"), "x");
    char list[] = "u;v";
    EXPECT_STREQ(_KZparsePath(list), "u");
    EXPECT_STREQ(list, "u;v");
    EXPECT_STREQ(_KZparsePath(nullptr), "v");
    EXPECT_EQ(_KZparsePath(nullptr), nullptr);
}

TEST(KzPlatform, InstallationSwitches)
{
    unsetenv("KZ_WEB_PORT");
    EXPECT_STREQ(_KZgetWebServerDefaultPortSuffixStr(), "");
    setenv("KZ_WEB_PORT", "8080", 1);
    EXPECT_STREQ(_KZgetWebServerDefaultPortSuffixStr(), ":8080");
    setenv("KZ_WEB_PORT", ":81", 1);
    EXPECT_STREQ(_KZgetWebServerDefaultPortSuffixStr(), ":81");

    struct Switch {
        const char* variable;
        int (*query)();
    };
    for (Switch s :
         {Switch{"KZ_ON_SERVER", KZisOnKZServer}, Switch{"KZ_EXTENDED_TOPOLOGY", _KZisExtendedTopologyEnabled},
          Switch{"KZ_IPV6", _KZisIPv6Enabled}, Switch{"KZ_HSRP", _KZisHSRPEnabled}}) {
        unsetenv(s.variable);
        EXPECT_EQ(s.query(), 0) << s.variable;
        for (const char* on : {"1", "2", "yes", "TRUE", "On"}) {
            setenv(s.variable, on, 1);
            EXPECT_EQ(s.query(), 1) << s.variable << "=" << on;
        }
        for (const char* off : {"", "0", "no", "off", "false", "enabled"}) {
            setenv(s.variable, off, 1);
            EXPECT_EQ(s.query(), 0) << s.variable << "=" << off;
        }
    }
}

TEST(KzPlatform, SearchesSkipBytesInsideMultibyteCharacters)
{
#ifdef _WIN32
    // Windows has the code set as code page 950.
    if (!setlocale(LC_CTYPE, ".950"))
        GTEST_SKIP() << "code page 950 is not available";
#else
    setenv("LOCPATH", KIVPARSER_TEST_LOCPATH, 1);
    if (!setlocale(LC_CTYPE, "zh_TW.BIG5"))
        GTEST_SKIP() << "the test locale zh_TW.BIG5 could not be built here";
#endif
    // "\xa5\x5c" is one character whose second byte is a backslash.
    const char* path =
        "\xa5\x5c"
        "dir\\f\xa5\x5c.1.gif";
    EXPECT_EQ(_KZstrchr(path, '\\'), path + 5);
    EXPECT_EQ(_KZstrrchr(path, '\\'), path + 5);
    EXPECT_EQ(_KZstrchr(path + 6, '.'), path + 9);
    EXPECT_EQ(_KZstrrchr(path, 'x'), nullptr);
    EXPECT_EQ(_KZstrstr(path, "\\f"), path + 5);
    EXPECT_EQ(_KZstrstr(path, "\\d"), nullptr);
    EXPECT_EQ(_KZstrstr(path, "\xa5\x5c."), path + 7);
    // A lead byte cut off by the end of the text is a character of its own;
    // so is a byte of no character.
    const char* cut = "a\\\xa5";
    EXPECT_EQ(_KZstrrchr(cut, '\\'), cut + 1);
    const char* high = "\xff\\\xfe";
    EXPECT_EQ(_KZstrchr(high, '\\'), high + 1);
    setlocale(LC_CTYPE, "C");
}
