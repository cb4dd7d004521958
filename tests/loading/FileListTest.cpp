#include "kivparser.h"
#include "loading/TempTree.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The files of a list, relative to the tree's root, in list order.
std::vector<std::string> names(FileList& list, const TempTree& tree)
{
    std::vector<std::string> out;
    for (int i = 0; char* name = list.getFileName(i); ++i) {
        std::string full = name;
        out.push_back(full.compare(0, tree.root.size() + 1, tree.root + "/") == 0 ? full.substr(tree.root.size() + 1)
                                                                                    : full);
    }
    return out;
}

using Names = std::vector<std::string>;

class PriorityFileGuard {
public:
    explicit PriorityFileGuard(const char* file) { Application::setPriorityFile(file); }
    ~PriorityFileGuard() { Application::setPriorityFile(nullptr); }
};

} // namespace

TEST(FileList, DefaultLanguageScansOnlyC)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("reg/C/b.reg");
    tree.file("reg/C/sub/a.reg");
    tree.file("reg/C.utf8/only-here.reg");
    tree.file("reg/top.reg");

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"reg/C/b.reg", "reg/C/sub/a.reg"}));
    EXPECT_EQ(list.errors, 0);
    EXPECT_EQ(list.langLength, 1);
    EXPECT_EQ(FileList::current, &list);
    int rootLen = static_cast<int>(tree.path("reg").size()) + 1;
    for (int i = 0; i < list.getNumOfFiles(); ++i) {
        EXPECT_EQ(list.getFileInfo(i)->rootLen, rootLen);
        EXPECT_EQ(list.getFileInfo(i)->filename[rootLen], 'C');
    }
    EXPECT_EQ(list.getFileName(2), nullptr);
    EXPECT_EQ(list.getFileName(-1), nullptr);
    EXPECT_EQ(list.getFileInfo(-1), nullptr);
}

TEST(FileList, LanguageSubdirectoryIsCompletedFromC)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    std::string lang = locale.language;
    tree.file("reg/" + lang + "/a");
    tree.file("reg/" + lang + "/b", "language");
    tree.file("reg/C/b", "default");
    tree.file("reg/C/c");
    tree.file("reg/C/deep/d");
    tree.file("reg/" + lang + "/deep/e");

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"reg/" + lang + "/a", "reg/" + lang + "/b", "reg/" + lang + "/deep/e",
                                        "reg/C/c", "reg/C/deep/d"}));
    EXPECT_EQ(list.errors, 0);
    EXPECT_EQ(list.langLength, static_cast<int>(lang.size()));
    int rootLen = static_cast<int>(tree.path("reg").size()) + 1;
    for (int i = 0; i < list.getNumOfFiles(); ++i)
        EXPECT_EQ(list.getFileInfo(i)->rootLen, rootLen) << list.getFileName(i);

    // Without completion only the language subdirectory counts.
    FileList plain(tree.path("reg").c_str(), 0, 0, 0);
    EXPECT_EQ(names(plain, tree), (Names{"reg/" + lang + "/a", "reg/" + lang + "/b", "reg/" + lang + "/deep/e"}));
}

TEST(FileList, MissingLanguageSubdirectoryFallsBackToAllOfC)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
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
    EXPECT_EQ(talkative.getNumOfFiles(), 2);

    // A language "subdirectory" that is a plain file is just as missing.
    tree.file("reg/" + locale.language, "not a directory");
    FileList withFile(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(withFile, tree), (Names{"reg/C/a", "reg/C/x/b"}));
    EXPECT_EQ(withFile.errors, 1);
}

TEST(FileList, NothingToScan)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    tree.dir("reg");
    FileList neither(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(neither.getNumOfFiles(), 0);
    EXPECT_EQ(neither.errors, 1);
    EXPECT_EQ(neither.fileList, nullptr);

    FileList missingRoot(tree.path("no/such/dir").c_str(), 0, 1, 0);
    EXPECT_EQ(missingRoot.getNumOfFiles(), 0);
    EXPECT_EQ(missingRoot.errors, 1);

    FileList noList(nullptr, 0, 1, 0);
    EXPECT_EQ(noList.getNumOfFiles(), 0);
    EXPECT_EQ(noList.errors, 0);

    // An empty language subdirectory, with nothing found before it: nothing
    // is taken from C and nothing is wrong.
    tree.dir("reg/" + locale.language);
    tree.file("reg/C/a");
    FileList empty(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(empty.getNumOfFiles(), 0);
    EXPECT_EQ(empty.errors, 0);
}

TEST(FileList, EmptyLanguageSubdirectoryAfterEarlierFilesTakesAllOfC)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    tree.file("one/" + locale.language + "/a");
    tree.dir("two/" + locale.language);
    tree.file("two/C/b");
    tree.file("two/C/c");

    std::string dirs = tree.path("one") + ";" + tree.path("two");
    FileList list(dirs.c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"one/" + locale.language + "/a", "two/C/b", "two/C/c"}));
}

TEST(FileList, HiddenFilesAndDirectoriesAreSkipped)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("reg/C/.hidden");
    tree.file("reg/C/.git/config");
    tree.file("reg/C/sub/.swap");
    tree.file("reg/C/sub/visible");
    tree.file("reg/C/shown");

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"reg/C/shown", "reg/C/sub/visible"}));
}

TEST(FileList, PriorityFileComesFirstInAnyCase)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("reg/C/aaa");
    tree.file("reg/C/xjkiv");
    tree.file("reg/C/sub/JKiv");
    tree.file("reg/C/zzz");

    {
        PriorityFileGuard priority("jkiv");
        FileList list(tree.path("reg").c_str(), 0, 1, 0);
        EXPECT_EQ(names(list, tree), (Names{"reg/C/sub/JKiv", "reg/C/aaa", "reg/C/xjkiv", "reg/C/zzz"}));
    }
    FileList unranked(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(unranked, tree), (Names{"reg/C/aaa", "reg/C/sub/JKiv", "reg/C/xjkiv", "reg/C/zzz"}));
}

TEST(FileList, PathListEntriesAreSearchedEachOnItsOwn)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    std::string lang = locale.language;
    tree.file("r2/" + lang + "/b");
    tree.file("r2/C/c");
    tree.file("r1/" + lang + "/a");
    tree.file("r1/C/c");

    // Empty entries are passed over.
    std::string dirs = ";" + tree.path("r2") + ";;" + tree.path("r1") + ";";
    FileList list(dirs.c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"r1/" + lang + "/a", "r1/C/c", "r2/" + lang + "/b", "r2/C/c"}));
    EXPECT_EQ(list.errors, 0);
    for (int i = 0; i < list.getNumOfFiles(); ++i) {
        FileInfo* info = list.getFileInfo(i);
        std::string name = info->filename;
        EXPECT_EQ(name.substr(info->rootLen - 1, 1), "/");
        EXPECT_EQ(name.substr(0, info->rootLen - 1), name.find("/r1/") != std::string::npos ? tree.path("r1")
                                                                                             : tree.path("r2"));
    }
}

TEST(FileList, CompletionCanBeRestrictedToTheConfigurationDirectory)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    std::string lang = locale.language;
    tree.file("etc/reg/" + lang + "/a");
    tree.file("etc/reg/C/b");
    tree.file("other/" + lang + "/c");
    tree.file("other/C/d");

    // Compared without regard to case.
    std::string etc = tree.path("ETC");
    for (char& ch : etc)
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    setenv("KZ_ETC_PATH", etc.c_str(), 1);

    std::string inside = tree.path("etc/reg");
    FileList completed(inside.c_str(), 0, 2, 0);
    EXPECT_EQ(names(completed, tree), (Names{"etc/reg/" + lang + "/a", "etc/reg/C/b"}));

    // An entry outside switches completion off for itself and all later ones.
    std::string outsideFirst = tree.path("other") + ";" + inside;
    FileList neither(outsideFirst.c_str(), 0, 2, 0);
    EXPECT_EQ(names(neither, tree), (Names{"etc/reg/" + lang + "/a", "other/" + lang + "/c"}));

    std::string insideFirst = inside + ";" + tree.path("other");
    FileList first(insideFirst.c_str(), 0, 2, 0);
    EXPECT_EQ(names(first, tree), (Names{"etc/reg/" + lang + "/a", "etc/reg/C/b", "other/" + lang + "/c"}));
    unsetenv("KZ_ETC_PATH");
}

TEST(FileList, OverlongPathsAreReportedAndSkipped)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("reg/C/short");
    // A file whose full name passes the path limit, deep below C.
    std::string longDir = "reg/C/" + std::string(150, 'd');
    std::string longName = std::string(120, 'f');
    tree.file(longDir + "/" + longName);
    tree.file(longDir + "/ok");
    int longLength = static_cast<int>(tree.path(longDir).size() + 1 + longName.size());
    ASSERT_GT(longLength, 255);
    ASSERT_LE(tree.path(longDir + "/ok").size(), 255u);

    // A list entry of 300 characters.
    std::string longEntry = "/tmp/" + std::string(295, 'e');
    std::string dirs = longEntry + ";" + tree.path("reg");

    testing::internal::CaptureStdout();
    FileList list(dirs.c_str(), 1, 1, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "error: too long path name(302); ignore\n; \n"
                   "error: too long path name(" +
                       std::to_string(longLength) + "); ignore\n; \n");
    EXPECT_EQ(list.errors, 2);
    EXPECT_EQ(names(list, tree), (Names{longDir + "/ok", "reg/C/short"}));
}

TEST(FileList, UnreadableDirectoriesGiveNoFiles)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not restrict the superuser";
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("reg/C/a");
    tree.file("reg/C/locked/b");
    tree.file("reg/C/z");
    std::filesystem::permissions(tree.path("reg/C/locked"), std::filesystem::perms::none);
    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(names(list, tree), (Names{"reg/C/a", "reg/C/z"}));
    EXPECT_EQ(list.errors, 0);
}

TEST(FileList, GrowsBy128Entries)
{
    LocaleGuard locale("C");
    TempTree tree;
    for (int i = 0; i < 130; ++i)
        tree.file("reg/C/f" + std::to_string(1000 + i));
    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    EXPECT_EQ(list.getNumOfFiles(), 130);
    EXPECT_EQ(list.fileListSize, 256);
    EXPECT_EQ(names(list, tree).front(), "reg/C/f1000");
    EXPECT_EQ(names(list, tree).back(), "reg/C/f1129");
}

TEST(FileList, LogErrorCountsAndPrintsOnlyWhenVerbose)
{
    FileList list(nullptr, 0, 0, 0);
    testing::internal::CaptureStdout();
    list.logError("first", 0);
    list.verbose = 1;
    list.logError("second", ENOENT);
    list.logError("third", 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string("error: second; ") + strerror(ENOENT) + "\nerror: third; \n");
    EXPECT_EQ(list.errors, 3);
}

TEST(FileList, PathEndsAndPathComparison)
{
    EXPECT_EQ(matchPathEnd("/etc/reg/C", "C"), 2);
    EXPECT_EQ(matchPathEnd("/etc/reg/C/", "C"), 2);
    EXPECT_EQ(matchPathEnd("/etc/reg/c", "C"), 2);
    EXPECT_EQ(matchPathEnd("d:\\reg\\C", "C"), 2);
    EXPECT_EQ(matchPathEnd("/etc/reg/ABC", "C"), 0);
    EXPECT_EQ(matchPathEnd("C", "C"), 0);
    EXPECT_EQ(matchPathEnd("/C", "C"), 2);
    EXPECT_EQ(matchPathEnd("/x/jkiv", "JKIV"), 5);
    EXPECT_EQ(matchPathEnd("jkiv", "JKIV"), 0);
    EXPECT_EQ(matchPathEnd("/x/jkiv.reg", "jkiv"), 0);
    EXPECT_EQ(matchPathEnd("/x/C.utf8", "C.utf8"), 7);
    EXPECT_EQ(matchPathEnd("/x/C//", "C"), 0);
    EXPECT_EQ(matchPathEnd(nullptr, "C"), 0);
    EXPECT_EQ(matchPathEnd("/x/C", nullptr), 0);
    EXPECT_EQ(matchPathEnd("", "C"), 0);
    EXPECT_EQ(matchPathEnd("/x/C", ""), 0);

    EXPECT_EQ(pathsMatch(nullptr, nullptr), 1);
    EXPECT_EQ(pathsMatch(nullptr, ""), 0);
    EXPECT_EQ(pathsMatch("", nullptr), 0);
    EXPECT_EQ(pathsMatch("", ""), 1);
    EXPECT_EQ(pathsMatch("/Etc/Reg", "/eTC/rEG"), 1);
    EXPECT_EQ(pathsMatch("/etc/reg", "/etc/reg/"), 0);
    EXPECT_EQ(pathsMatch("/etc/reg", "/etc/rex"), 0);
}
