#include "kivparser/kivparser.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace kivparser;

TEST(FilePath, RelativeAndAbsolute)
{
    unsetenv("LANG");
    setenv("LANG", "", 1);
    const char* absolute[] = {"/etc/x", "\\etc\\x", "C:\\x", "c:/x"};
    for (const char* p : absolute) {
        FilePath fp(const_cast<char*>(p));
        EXPECT_EQ(fp.isRelativePath(), 0) << p;
        fp.makeAbsPath(const_cast<char*>("/root"), 1);
        EXPECT_STREQ(fp.path, p);
    }
    FilePath drive(const_cast<char*>("C:x")); // drive letter without a separator: relative
    EXPECT_EQ(drive.isRelativePath(), 1);

    FilePath rel(const_cast<char*>("x/y"));
    rel.makeAbsPath(nullptr, 1);
    EXPECT_STREQ(rel.path, "x/y");
    rel.makeAbsPath(const_cast<char*>("R"), 1);
    EXPECT_STREQ(rel.path, "R/C/x/y");

    setenv("LANG", "de", 1);
    FilePath withLang(const_cast<char*>("x"));
    withLang.makeAbsPath(const_cast<char*>("R"), 1);
    EXPECT_STREQ(withLang.path, "R/de/x");
    FilePath noLang(const_cast<char*>("x"));
    noLang.makeAbsPath(const_cast<char*>("R"), 0);
    EXPECT_STREQ(noLang.path, "R/x");
    unsetenv("LANG");
    FilePath unset(const_cast<char*>("x"));
    unset.makeAbsPath(const_cast<char*>("R"), 1);
    EXPECT_STREQ(unset.path, "R/C/x");
}
