#include "kivparser/kivparser.h"

#include "support/TestSystem.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace kivparser;

// Absolute paths (either separator, a drive letter with one) stay as they
// are; relative ones go below the root and, when asked, below the language
// of LANG (C when it is unset or empty).
TEST(FilePath, RelativeAndAbsolute)
{
    struct Case {
        const char* path;
        const char* root;
        int withLang;
        const char* lang; // null: LANG unset
        const char* result;
        int relative;
    } cases[] = {
        {"/etc/x", "/root", 1, "", "/etc/x", 0}, {"\\etc\\x", "/root", 1, "", "\\etc\\x", 0},
        {"C:\\x", "/root", 1, "", "C:\\x", 0},   {"c:/x", "/root", 1, "", "c:/x", 0},
        {"C:x", "R", 0, "", "R/C:x", 1},         {"x/y", nullptr, 1, "", "x/y", 1},
        {"x/y", "R", 1, "", "R/C/x/y", 1},       {"x", "R", 1, "de", "R/de/x", 1},
        {"x", "R", 0, "de", "R/x", 1},           {"x", "R", 1, nullptr, "R/C/x", 1},
        {"\\\\server\\share\\x", "/root", 1, "", "\\\\server\\share\\x", 0},
    };
    for (const Case& c : cases) {
        if (c.lang)
            setenv("LANG", c.lang, 1);
        else
            unsetenv("LANG");
        FilePath fp(const_cast<char*>(c.path));
        EXPECT_EQ(fp.isRelativePath(), c.relative) << c.path;
        fp.makeAbsPath(const_cast<char*>(c.root), c.withLang);
        // What the library joins, it joins with the platform's separator.
        EXPECT_EQ(c.relative ? slashes(fp.path) : std::string(fp.path), c.result) << c.path;
    }
    unsetenv("LANG");
}
