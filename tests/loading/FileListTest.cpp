#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <unistd.h>
#include <vector>

using namespace kivparser;

namespace {

using Names = std::vector<std::string>;

// The files of a list relative to the tree's root, in list order.
Names names(FileList& list, const TempDir& tree)
{
    Names out;
    for (int i = 0; char* name = list.getFileName(i); ++i)
        out.push_back(std::string(name).substr(tree.root.size() + 1));
    return out;
}

} // namespace

TEST(FileList, DefaultLanguageScansOnlyC)
{
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/b.reg");
    tree.file("reg/C/sub/a.reg");
    tree.file("reg/C.utf8/only-here.reg");
    tree.file("reg/top.reg");

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"reg/C/b.reg", "reg/C/sub/a.reg"}));
    EXPECT_EQ(list.errors, 0);
    EXPECT_EQ(FileList::current, &list);
    EXPECT_EQ(list.getFileInfo(1)->rootLen, static_cast<int>(tree.path("reg").size()) + 1);
    EXPECT_EQ(list.getFileName(2), nullptr);
    EXPECT_EQ(list.getFileInfo(-1), nullptr);
}

TEST(FileList, LanguageSubdirectoryIsCompletedFromC)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    std::string lang = locale.language;
    for (const char* name : {"a", "b", "deep/e"})
        tree.file("reg/" + lang + "/" + name);
    for (const char* name : {"b", "c", "deep/d"})
        tree.file("reg/C/" + std::string(name));

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree),
              (Names{"reg/" + lang + "/a", "reg/" + lang + "/b", "reg/" + lang + "/deep/e", "reg/C/c", "reg/C/deep/d"}));
    EXPECT_EQ(list.errors, 0);
    EXPECT_EQ(list.langLength, static_cast<int>(lang.size()));
    for (int i = 0; i < list.getNumOfFiles(); ++i)
        EXPECT_EQ(list.getFileInfo(i)->rootLen, static_cast<int>(tree.path("reg").size()) + 1);

    FileList plain(tree.path("reg").c_str(), 0, 0, 0);
    EXPECT_EQ(plain.getNumOfFiles(), 3);
}

TEST(FileList, MissingLanguageSubdirectoryFallsBackToAllOfC)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    tree.file("reg/C/a");
    tree.file("reg/C/x/b");

    testing::internal::CaptureStdout();
    FileList quiet(tree.path("reg").c_str(), 0, 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(names(quiet, tree), (Names{"reg/C/a", "reg/C/x/b"}));
    EXPECT_EQ(quiet.errors, 1);

    testing::internal::CaptureStdout();
    FileList talkative(tree.path("reg").c_str(), 1, 1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "error: not found the directory " + tree.path("reg/" + locale.language) + "; \n");
    EXPECT_EQ(talkative.errors, 1);

    // A language "subdirectory" that is a plain file is just as missing.
    tree.file("reg/" + locale.language, "not a directory");
    FileList withFile(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(withFile, tree), (Names{"reg/C/a", "reg/C/x/b"}));
    EXPECT_EQ(withFile.errors, 1);
}

TEST(FileList, EmptyAndMissingDirectories)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    tree.dir("none");
    FileList neither(tree.path("none").c_str(), 0, 1, 0);
    EXPECT_EQ(neither.getNumOfFiles(), 0);
    EXPECT_EQ(neither.errors, 1);
    FileList noList(nullptr, 0, 1, 0);
    EXPECT_EQ(noList.getNumOfFiles() + noList.errors, 0);

    // An empty language subdirectory takes nothing from C while nothing was
    // found before it; after earlier files it takes all of C.
    tree.dir("two/" + locale.language);
    tree.file("two/C/b");
    FileList empty(tree.path("two").c_str(), 0, 1, 0);
    EXPECT_EQ(empty.getNumOfFiles() + empty.errors, 0);
    tree.file("one/" + locale.language + "/a");
    FileList after((tree.path("one") + ";" + tree.path("two")).c_str(), 0, 1, 0);
    EXPECT_EQ(names(after, tree), (Names{"one/" + locale.language + "/a", "two/C/b"}));
}

TEST(FileList, HiddenSkippedAndPriorityFileFirst)
{
    LocaleGuard locale("C");
    TempDir tree;
    for (const char* name : {".hidden", ".git/config", "sub/.swap", "aaa", "xjkiv", "sub/JKiv", "zzz"})
        tree.file("reg/C/" + std::string(name));

    FileList unranked(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(unranked, tree), (Names{"reg/C/aaa", "reg/C/sub/JKiv", "reg/C/xjkiv", "reg/C/zzz"}));
    Application::setPriorityFile("jkiv");
    FileList ranked(tree.path("reg").c_str(), 0, 1, 0);
    Application::setPriorityFile(nullptr);
    EXPECT_EQ(names(ranked, tree), (Names{"reg/C/sub/JKiv", "reg/C/aaa", "reg/C/xjkiv", "reg/C/zzz"}));
}

TEST(FileList, PathListEntriesAreSearchedEachOnItsOwn)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    std::string lang = locale.language;
    tree.file("r2/" + lang + "/b");
    tree.file("r2/C/c");
    tree.file("r1/" + lang + "/a");
    tree.file("r1/C/c");

    // Empty entries are passed over.
    FileList list((";" + tree.path("r2") + ";;" + tree.path("r1") + ";").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"r1/" + lang + "/a", "r1/C/c", "r2/" + lang + "/b", "r2/C/c"}));
    EXPECT_EQ(list.errors, 0);
    EXPECT_EQ(list.getFileInfo(3)->rootLen, static_cast<int>(tree.path("r2").size()) + 1);
}

TEST(FileList, CompletionCanBeRestrictedToTheConfigurationDirectory)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    std::string lang = locale.language;
    tree.file("etc/reg/" + lang + "/a");
    tree.file("etc/reg/C/b");
    tree.file("other/" + lang + "/c");
    tree.file("other/C/d");
    std::string etc = tree.root + "/ETC"; // compared without regard to case
    setenv("KZ_ETC_PATH", etc.c_str(), 1);

    std::string inside = tree.path("etc/reg");
    FileList completed(inside.c_str(), 0, 2, 0);
    EXPECT_EQ(names(completed, tree), (Names{"etc/reg/" + lang + "/a", "etc/reg/C/b"}));
    // An entry outside switches completion off for itself and all later ones.
    FileList neither((tree.path("other") + ";" + inside).c_str(), 0, 2, 0);
    EXPECT_EQ(names(neither, tree), (Names{"etc/reg/" + lang + "/a", "other/" + lang + "/c"}));
    FileList first((inside + ";" + tree.path("other")).c_str(), 0, 2, 0);
    EXPECT_EQ(first.getNumOfFiles(), 3);
    unsetenv("KZ_ETC_PATH");
}

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

    // A list entry of 300 characters comes first.
    std::string dirs = "/tmp/" + std::string(295, 'e') + ";" + tree.path("reg");
    testing::internal::CaptureStdout();
    FileList list(dirs.c_str(), 1, 1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "error: too long path name(302); ignore\n; \nerror: too long path name(" + std::to_string(longLength) +
                  "); ignore\n; \n");
    EXPECT_EQ(list.errors, 2);
    EXPECT_EQ(names(list, tree), (Names{longDir + "/ok", "reg/C/short"}));
}

TEST(FileList, UnreadableDirectoriesGiveNoFiles)
{
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
    EXPECT_EQ(names(list, tree), (Names{"reg/C/a", "reg/C/z"}));
    EXPECT_EQ(list.errors, 1);
}

// `a -> .` and `b -> .` made the walk go round without end.
TEST(FileList, LinksLeadIntoEachDirectoryOnceAndLoopsAreReported)
{
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/a");
    tree.file("reg/C/sub/b");
    tree.file("out/c");
    for (auto link : {std::pair<const char*, std::string>{".", "reg/C/l"}, {".", "reg/C/m"}, {"..", "reg/C/sub/up"},
                      {"sub", "reg/C/alias"}, {"../../out", "reg/C/ext"}, {"../../out", "reg/C/ext2"}})
        ASSERT_EQ(symlink(link.first, tree.path(link.second).c_str()), 0);

    // Each loop once, in the order the walk meets them; the second ways into
    // sub and out are passed over without a word.
    testing::internal::CaptureStdout();
    FileList list(tree.path("reg").c_str(), 1, 1, 0);
    std::string loop = std::string("; ") + strerror(ELOOP) + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "error: " + tree.path("reg/C/l") + loop + "error: " +
                                                          tree.path("reg/C/m") + loop + "error: " +
                                                          tree.path("reg/C/sub/up") + loop);
    EXPECT_EQ(names(list, tree), (Names{"reg/C/a", "reg/C/ext/c", "reg/C/sub/b"}));
    EXPECT_EQ(list.errors, 3);
}

TEST(FileList, GrowsBy128Entries)
{
    LocaleGuard locale("C");
    TempDir tree;
    for (int i = 0; i < 130; ++i)
        tree.file("reg/C/f" + std::to_string(1000 + i));
    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(list.getNumOfFiles(), 130);
    EXPECT_EQ(list.fileListSize, 256);
    EXPECT_EQ(names(list, tree).back(), "reg/C/f1129");
}

TEST(FileList, PathEndsAndPathComparison)
{
    EXPECT_EQ(matchPathEnd("/etc/reg/C", "C"), 2);
    EXPECT_EQ(matchPathEnd("/etc/reg/c/", "C"), 2);
    EXPECT_EQ(matchPathEnd("d:\\reg\\C", "C"), 2);
    EXPECT_EQ(matchPathEnd("/x/jkiv", "JKIV"), 5);
    EXPECT_EQ(matchPathEnd("/x/C.utf8", "C.utf8"), 7);
    using Pair = std::pair<const char*, const char*>;
    for (Pair no : {Pair{"/etc/reg/ABC", "C"}, Pair{"C", "C"}, Pair{"jkiv", "JKIV"}, Pair{"/x/jkiv.reg", "jkiv"},
                    Pair{"/x/C//", "C"}, Pair{"", "C"}, Pair{"/x/C", ""}, Pair{nullptr, "C"}, Pair{"/x/C", nullptr}})
        EXPECT_EQ(matchPathEnd(no.first, no.second), 0) << (no.first ? no.first : "null");

    EXPECT_EQ(pathsMatch(nullptr, nullptr), 1);
    EXPECT_EQ(pathsMatch(nullptr, "") + pathsMatch("", nullptr), 0);
    EXPECT_EQ(pathsMatch("", ""), 1);
    EXPECT_EQ(pathsMatch("/Etc/Reg", "/eTC/rEG"), 1);
    EXPECT_EQ(pathsMatch("/etc/reg", "/etc/reg/") + pathsMatch("/etc/reg", "/etc/rex"), 0);
}
