#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <vector>

using namespace kivparser;

namespace {

// `text` with %L replaced by the language and @ by the tree's root.
std::string expand(std::string text, const std::string& language, const std::string& root)
{
    for (size_t at; (at = text.find_first_of("%@")) != std::string::npos;)
        text.replace(at, text[at] == '@' ? 1 : 2, text[at] == '@' ? root : language);
    return text;
}

// The files of a list relative to the tree's root, in list order.
std::string names(FileList& list, const TempDir& tree)
{
    std::string out;
    for (int i = 0; char* name = list.getFileName(i); ++i)
        out += (out.empty() ? "" : " ") + slashes(std::string(name).substr(tree.root.size() + 1));
    return out;
}

} // namespace

// Each entry of the list holds a subdirectory per language and C: the
// language's is walked and completed from C (C alone in the C locale, all of
// C when the language's is missing or no directory, nothing from C while an
// empty language directory found nothing before it). Completion can be
// switched off, or kept to the entries below the configuration directory (an
// entry outside ends it for itself and all later ones). Hidden files and
// directories are skipped; the priority file comes first; then full-path
// order. Links lead into each directory once, loops are reported.
TEST(FileList, WhichFilesInWhichOrder)
{
    // clang-format off
    struct Case {
        const char* locale;
        std::vector<std::string> files; // "x/": a directory, "x -> y": a link
        const char* dirs;               // entries below the tree, ';'-separated
        int useAltPath;
        const char* priority;
        const char* expected;
        int errors;
        const char* printed;
    } cases[] = {
        {"C", {"reg/C/b.reg", "reg/C/sub/a.reg", "reg/C.utf8/only-here.reg", "reg/top.reg"}, "reg", 1, nullptr,
         "reg/C/b.reg reg/C/sub/a.reg", 0, ""},
        {"C.utf8", {"reg/%L/a", "reg/%L/b", "reg/%L/deep/e", "reg/C/b", "reg/C/c", "reg/C/deep/d"}, "reg", 1, nullptr,
         "reg/%L/a reg/%L/b reg/%L/deep/e reg/C/c reg/C/deep/d", 0, ""},
        {"C.utf8", {"reg/%L/a", "reg/C/c"}, "reg", 0, nullptr, "reg/%L/a", 0, ""},
        {"C.utf8", {"reg/C/a", "reg/C/x/b"}, "reg", 0, nullptr, "reg/C/a reg/C/x/b", 1,
         "error: not found the directory @/reg/%L; \n"},
        {"C.utf8", {"reg/C/a", "reg/%L"}, "reg", 1, nullptr, "reg/C/a", 1,
         "error: not found the directory @/reg/%L; \n"},
        {"C.utf8", {"none/"}, "none", 1, nullptr, "", 1, "error: not found the directory @/none/%L; \n"},
        {"C.utf8", {}, nullptr, 1, nullptr, "", 0, ""},
        {"C.utf8", {"two/%L/", "two/C/b"}, "two", 1, nullptr, "", 0, ""},
        {"C.utf8", {"one/%L/a", "two/%L/", "two/C/b"}, "one;two", 1, nullptr, "one/%L/a two/C/b", 0, ""},
        {"C.utf8", {"r2/%L/b", "r2/C/c", "r1/%L/a", "r1/C/c"}, ";r2;;r1;", 1, nullptr,
         "r1/%L/a r1/C/c r2/%L/b r2/C/c", 0, ""},
        {"C.utf8", {"etc/reg/%L/a", "etc/reg/C/b", "other/%L/c", "other/C/d"}, "etc/reg", 2, nullptr,
         "etc/reg/%L/a etc/reg/C/b", 0, ""},
        {"C.utf8", {"etc/reg/%L/a", "etc/reg/C/b", "other/%L/c", "other/C/d"}, "other;etc/reg", 2, nullptr,
         "etc/reg/%L/a other/%L/c", 0, ""},
        {"C.utf8", {"etc/reg/%L/a", "etc/reg/C/b", "other/%L/c", "other/C/d"}, "etc/reg;other", 2, nullptr,
         "etc/reg/%L/a etc/reg/C/b other/%L/c", 0, ""},
        {"C", {"reg/C/.hidden", "reg/C/.git/config", "reg/C/sub/.swap", "reg/C/aaa", "reg/C/xjkiv", "reg/C/sub/JKiv"},
         "reg", 1, nullptr, "reg/C/aaa reg/C/sub/JKiv reg/C/xjkiv", 0, ""},
        {"C", {"reg/C/aaa", "reg/C/xjkiv", "reg/C/sub/JKiv", "reg/C/zzz"}, "reg", 1, "jkiv",
         "reg/C/sub/JKiv reg/C/aaa reg/C/xjkiv reg/C/zzz", 0, ""},
        {"C", {"reg/C/a", "reg/C/sub/b", "out/c", "reg/C/l -> .", "reg/C/m -> .", "reg/C/sub/up -> ..",
               "reg/C/alias -> sub", "reg/C/ext -> ../../out", "reg/C/ext2 -> ../../out"},
         "reg", 1, nullptr, "reg/C/a reg/C/ext/c reg/C/sub/b", 3,
         "error: @/reg/C/l; Too many levels of symbolic links\nerror: @/reg/C/m; Too many levels of symbolic links\n"
         "error: @/reg/C/sub/up; Too many levels of symbolic links\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        LocaleGuard locale(c.locale);
        TempDir tree;
        std::string dirs;
        if (c.dirs)
            for (std::string rest = c.dirs + std::string(";"); !rest.empty(); rest.erase(0, rest.find(';') + 1)) {
                std::string entry = rest.substr(0, rest.find(';'));
                dirs += (entry.empty() ? "" : tree.path(entry)) + ";";
            }
        bool linked = false;
        for (const std::string& file : c.files) {
            std::string name = expand(file, locale.language, tree.root);
            size_t arrow = name.find(" -> ");
            if (arrow != std::string::npos) {
                linked = true;
#ifndef _WIN32
                EXPECT_EQ(symlink(name.substr(arrow + 4).c_str(), tree.path(name.substr(0, arrow)).c_str()), 0);
#endif
            } else {
                name.back() == '/' ? tree.dir(name) : tree.file(name);
            }
        }
#ifdef _WIN32
        // Symbolic links need privileges on Windows: the cases with links are
        // the POSIX build's.
        if (linked)
            continue;
#else
        (void)linked;
#endif
        setenv("KZ_ETC_PATH", tree.path("ETC").c_str(), 1); // compared without regard to case
        Application::setPriorityFile(c.priority);
        testing::internal::CaptureStdout();
        FileList list(c.dirs ? dirs.c_str() : nullptr, 1, c.useAltPath, 0);
        EXPECT_EQ(slashes(testing::internal::GetCapturedStdout()), slashes(expand(c.printed, locale.language, tree.root)))
            << c.dirs;
        Application::setPriorityFile(nullptr);
        unsetenv("KZ_ETC_PATH");
        EXPECT_EQ(names(list, tree), expand(c.expected, locale.language, tree.root)) << c.dirs;
        EXPECT_EQ(list.errors, c.errors) << c.dirs;
        EXPECT_EQ(FileList::current, &list);
        // Each file's root is the list entry it was found below.
        for (int i = 0; FileInfo* info = list.getFileInfo(i); ++i)
            EXPECT_NE(dirs.find(std::string(info->filename, info->rootLen - 1) + ";"), std::string::npos);
    }
}

TEST(FileList, GrowsBeyondItsFirstSize)
{
    LocaleGuard locale("C");
    TempDir tree;
    for (int i = 0; i < 130; ++i)
        tree.file("reg/C/f" + std::to_string(1000 + i));
    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(list.getNumOfFiles(), 130);
    EXPECT_EQ(std::string(list.getFileName(129)), tree.path("reg/C/f1129"));
}

// A list entry too long, and a file whose full name is too long: reported,
// skipped, the rest found.
TEST(FileList, OverlongPathsAreReportedAndSkipped)
{
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/short");
    std::string longDir = "reg/C/" + std::string(150, 'd');
    std::string longName = std::string(120, 'f');
    tree.file(longDir + "/" + longName);
    tree.file(longDir + "/ok");
    int longLength = static_cast<int>(tree.path(longDir).size() + 1 + longName.size());
    ASSERT_GT(longLength, 255);

    std::string dirs = "/tmp/" + std::string(295, 'e') + ";" + tree.path("reg");
    testing::internal::CaptureStdout();
    FileList list(dirs.c_str(), 1, 1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "error: too long path name(302); ignore\n; \nerror: too long path name(" + std::to_string(longLength) +
                  "); ignore\n; \n");
    EXPECT_EQ(list.errors, 2);
    EXPECT_EQ(names(list, tree), longDir + "/ok reg/C/short");
}

TEST(FileList, UnreadableDirectoriesGiveNoFiles)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permission bits (Windows restricts with access lists)";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not restrict the superuser";
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/a");
    tree.file("reg/C/locked/b");
    tree.file("reg/C/z");
    std::filesystem::permissions(tree.path("reg/C/locked"), std::filesystem::perms::none);
    testing::internal::CaptureStdout();
    FileList list(tree.path("reg").c_str(), 0, 1, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "error: " + tree.path("reg/C/locked") + "; " + strerror(EACCES) + "\n");
    EXPECT_EQ(names(list, tree), "reg/C/a reg/C/z");
    EXPECT_EQ(list.errors, 1);
#endif
}
