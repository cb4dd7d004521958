#ifndef KIVPARSER_TESTS_LOADING_TEMPTREE_H
#define KIVPARSER_TESTS_LOADING_TEMPTREE_H

// A directory tree under /tmp that a test builds and that disappears with it,
// and a guard that switches the character-type locale for one test.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace kivparser;

class TempTree {
public:
    TempTree()
    {
        char pattern[] = "/tmp/kivloadXXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        root = made ? made : "/tmp";
    }
    ~TempTree()
    {
        std::error_code ignored;
        std::filesystem::permissions(root, std::filesystem::perms::owner_all, ignored);
        for (auto& entry : std::filesystem::recursive_directory_iterator(root, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(root, ignored);
    }

    std::string path(const std::string& rel) const { return rel.empty() ? root : root + "/" + rel; }

    // Creates the file `rel` (and its directories) with `content`.
    std::string file(const std::string& rel, const std::string& content = "") const
    {
        std::string full = path(rel);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full) << content;
        return full;
    }

    std::string dir(const std::string& rel) const
    {
        std::string full = path(rel);
        std::filesystem::create_directories(full);
        return full;
    }

    std::string root;
};

// Switches LC_CTYPE for the lifetime of the guard; the language subdirectory
// of a registration directory is named after it.
class LocaleGuard {
public:
    explicit LocaleGuard(const char* name) : saved(setlocale(LC_CTYPE, nullptr))
    {
        const char* now = setlocale(LC_CTYPE, name);
        EXPECT_NE(now, nullptr) << "locale " << name << " is not installed";
        language = now ? now : "C";
    }
    ~LocaleGuard() { setlocale(LC_CTYPE, saved.c_str()); }

    std::string saved;
    std::string language;
};

#endif
