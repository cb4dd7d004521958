#ifndef KIVPARSER_TESTS_SUPPORT_TEMPDIR_H
#define KIVPARSER_TESTS_SUPPORT_TEMPDIR_H

// A directory under /tmp that a test fills and that disappears with it (also
// when the test made parts of it unreadable), and a guard that switches the
// character-type locale for one test.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/kivtestXXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        root = made ? made : "/tmp";
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, ignored);
        for (auto& entry : fs::recursive_directory_iterator(root, ignored))
            if (!entry.is_symlink(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, ignored);
        fs::remove_all(root, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& rel) const { return rel.empty() ? root : root + "/" + rel; }

    // Creates the file `rel` (and its directories) with `content`; its path.
    std::string file(const std::string& rel, const std::string& content = "") const
    {
        std::string full = path(rel);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << content;
        return full;
    }

    // Creates the directory `rel` (and its parents); its path.
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
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    std::string saved;
    std::string language;
};

#endif
