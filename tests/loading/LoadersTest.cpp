#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace kivparser;

namespace {

std::string priorityLines(const char* file, const char* org, const char* cls, const char* app)
{
    return std::string("ARF priority file: '") + file + "'\nARF priority organization: '" + org +
           "'\nARF priority class: '" + cls + "'\nARF priority application: '" + app + "'\n";
}

std::string parsed(const std::string& file, int errors, int warnings)
{
    return "[parsing " + file + "]...\n  errors: " + std::to_string(errors) + ", warnings: " +
           std::to_string(warnings) + "\n";
}

std::string total(int errors, int warnings)
{
    return ">>>total:  errors: " + std::to_string(errors) + ", warnings: " + std::to_string(warnings) + "\n";
}

// Takes every file descriptor below a low limit, so that no directory can be
// opened, whoever runs the test; gives everything back at the end.
class NoDescriptorsLeft {
public:
    NoDescriptorsLeft()
    {
        getrlimit(RLIMIT_NOFILE, &saved);
        struct rlimit low = saved;
        low.rlim_cur = saved.rlim_cur < 64 ? saved.rlim_cur : 64;
        setrlimit(RLIMIT_NOFILE, &low);
        taken.reserve(64);
        for (int fd; (fd = open("/dev/null", O_RDONLY)) >= 0;)
            taken.push_back(fd);
    }
    ~NoDescriptorsLeft()
    {
        for (int fd : taken)
            close(fd);
        setrlimit(RLIMIT_NOFILE, &saved);
    }

private:
    struct rlimit saved;
    std::vector<int> taken;
};

} // namespace

TEST(Loaders, VerboseLinesOfEachLoader)
{
    LocaleGuard locale("C");
    TempDir tree;
    std::string a = tree.file("reg/C/a.reg");
    std::string b = tree.file("reg/C/sub/b.reg", "/* only a comment */\n");
    setenv("KIvRegDir", tree.path("reg").c_str(), 1);

    testing::internal::CaptureStdout();
    ApplicationRegistration* none = loadArf(1, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ARF path: " + tree.path("reg") + "\n" +
                                                          priorityLines("NONE", "NONE", "NONE", "NONE") +
                                                          parsed(a, 0, 0) + parsed(b, 0, 0) + total(0, 0));
    EXPECT_EQ(none, nullptr);

    setArfPriorities("jkiv");
    std::string priority = tree.file("reg/C/z/JKiv");
    testing::internal::CaptureStdout();
    loadArf(1, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ARF path: " + tree.path("reg") + "\n" + priorityLines("jkiv", "ZETA", "ZETA Taluna", "Varnel") +
                  parsed(priority, 0, 0) + parsed(a, 0, 0) + parsed(b, 0, 0) + total(0, 0));
    setArfPriorities(nullptr);
    Application::setPriorityOrganization(nullptr);
    Application::setPriorityClass(nullptr);

    // The other loaders print only their path line before the files.
    setenv("KIvSymDir", tree.path("reg").c_str(), 1);
    setenv("KIvFieldDir", tree.path("reg").c_str(), 1);
    std::string files = parsed(a, 0, 0) + parsed(b, 0, 0) + parsed(priority, 0, 0) + total(0, 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(loadSrf(1, nullptr), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SRF path: " + tree.path("reg") + "\n" + files);
    testing::internal::CaptureStdout();
    EXPECT_EQ(loadFrf(1, nullptr), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FRF path: " + tree.path("reg") + "\n" + files);
    testing::internal::CaptureStdout();
    EXPECT_EQ(loadSvrf(1, tree.path("reg").c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "SNMP Telvik Registration path: " + tree.path("reg") + "\n" + files);

    // Quiet loads print nothing.
    testing::internal::CaptureStdout();
    loadArf(0, nullptr);
    loadSrf(0, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    unsetenv("KIvRegDir");
    unsetenv("KIvSymDir");
    unsetenv("KIvFieldDir");
}

TEST(Loaders, StandardDirectoryAndLanguageSubdirectoryGiven)
{
    LocaleGuard locale("C");
    TempDir tree;
    setenv("KZ_ETC_PATH", tree.root.c_str(), 1);
    unsetenv("KIvRegDir");
    unsetenv("KIvSymDir");
    std::string a = tree.file("registration/C/a");
    std::string s = tree.file("symbols/C/s");
    std::string w = tree.file("www/registration/dazivovovo/C/w");

    testing::internal::CaptureStdout();
    loadArf(1, nullptr);
    loadSrf(1, nullptr);
    loadSvrf(1, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ARF path: " + tree.path("registration") + "\n" + priorityLines("NONE", "NONE", "NONE", "NONE") +
                  parsed(a, 0, 0) + total(0, 0) + "SRF path: " + tree.path("symbols") + "\n" + parsed(s, 0, 0) +
                  total(0, 0) + "SNMP Telvik Registration path: " + tree.path("www/registration/dazivovovo") +
                  "\n" + parsed(w, 0, 0) + total(0, 0));

    // The language subdirectory itself loads the same files.
    std::string b = tree.file("more/C/b");
    std::string both = tree.path("registration/C") + ";" + tree.path("more") + "/";
    testing::internal::CaptureStdout();
    loadArf(1, both.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ARF path: " + tree.path("registration") + ";" + tree.path("more") + "/\n" +
                  priorityLines("NONE", "NONE", "NONE", "NONE") + parsed(tree.path("more") + "//C/b", 0, 0) +
                  parsed(a, 0, 0) + total(0, 0));
    unsetenv("KZ_ETC_PATH");
}

TEST(Loaders, BadDirectoriesAndFiles)
{
    LocaleGuard locale("C");
    TempDir tree;

    // Missing and empty directories: no file, no registration, zero totals.
    tree.dir("empty/C");
    for (const char* dir : {"missing", "empty", ""}) {
        std::string path = tree.path(dir);
        testing::internal::CaptureStdout();
        EXPECT_EQ(loadArf(1, path.c_str()), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "ARF path: " + path + "\n" +
                                                              priorityLines("NONE", "NONE", "NONE", "NONE") +
                                                              total(0, 0));
    }

    // A file that cannot be opened counts one error; the load goes on.
    std::string a = tree.file("reg/C/a");
    std::string dangling = tree.path("reg/C/dangling");
    ASSERT_EQ(symlink(tree.path("nowhere").c_str(), dangling.c_str()), 0);
    std::string z = tree.file("reg/C/z");
    testing::internal::CaptureStdout();
    EXPECT_EQ(loadFrf(1, tree.path("reg").c_str()), nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    std::string head = "FRF path: " + tree.path("reg") + "\n" + parsed(a, 0, 0) + "[parsing " + dangling + "]...\n";
    EXPECT_EQ(out.substr(0, head.size()), head);
    std::string tail = "  errors: 1, warnings: 0\n" + parsed(z, 0, 0) + total(1, 0);
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    EXPECT_NE(out.find("can't open " + dangling), std::string::npos);
}

// A verbose load names what the walk loses: a directory entry too long and a
// directory that cannot be read (both used to vanish without a word). A
// missing language subdirectory stays unmentioned, as before.
TEST(Loaders, VerboseLoadReportsLostDirectories)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    tree.file("reg/C/a");
    std::string longEntry = "/tmp/" + std::string(295, 'e');
    std::string dirs = longEntry + ";" + tree.path("reg");
    int longLength = static_cast<int>(longEntry.size() + 1 + locale.language.size());
    parserMsg(MSG_SRF_PATH); // the catalog is open before the descriptors run out

    testing::internal::CaptureStdout();
    {
        NoDescriptorsLeft none;
        EXPECT_EQ(loadSrf(1, dirs.c_str()), nullptr);
        EXPECT_EQ(loadSrf(0, dirs.c_str()), nullptr);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "SRF path: " + dirs + "\nerror: too long path name(" + std::to_string(longLength) +
                  "); ignore\n; \nerror: " + tree.path("reg/C") + "; " + strerror(EMFILE) + "\n" + total(0, 0));
}
