#ifndef KIVPARSER_TESTS_SUPPORT_TEMPDIR_H
#define KIVPARSER_TESTS_SUPPORT_TEMPDIR_H

// A directory of its own below $TMPDIR (/tmp when unset; on Windows the
// system's temporary folder) that a test fills
// and that disappears with it (also when the test made parts of it
// unreadable), and a guard that switches the character-type locale for one
// test. A directory that cannot be made ends the test: nothing else is ever
// used or removed in its place.

#include <gtest/gtest.h>

#include "support/TestSystem.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir()
    {
        root = makeTempDir();
        if (root.empty()) {
            // Thrown out of the test body: GoogleTest ends the test as failed.
            throw std::runtime_error("cannot make a temporary directory");
        }
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        if (root.empty())
            return;
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, ignored);
        for (auto& entry : fs::recursive_directory_iterator(root, ignored))
            if (!entry.is_symlink(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, ignored);
        fs::remove_all(root, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The path of `rel` (written with '/') in the tree, with the platform's
    // separator, as the library builds paths.
    std::string path(const std::string& rel) const { return rel.empty() ? root : native(root + "/" + rel); }

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
// of a registration directory is named after it. The Windows C runtime has no
// UTF-8 locale: there a UTF-8 locale asked for ("C.utf8", "C.UTF-8") stands
// for a locale other than "C", and the guard takes one of code page 1252
// whose name sorts before "C/" as "C.utf8" does.
class LocaleGuard {
public:
    explicit LocaleGuard(const char* name) : saved(setlocale(LC_CTYPE, nullptr))
    {
#ifdef _WIN32
        if (std::string(name) == "C.utf8" || std::string(name) == "C.UTF-8")
            name = "Afrikaans_South Africa.1252";
#endif
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
