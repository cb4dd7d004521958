#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <vector>

using namespace kivparser;

namespace {

std::string priorityLines(const char* file, const char* org, const char* cls, const char* app)
{
    return std::string("ARF priority file: '") + file + "'\nARF priority organization: '" + org +
           "'\nARF priority class: '" + cls + "'\nARF priority application: '" + app + "'\n";
}

const std::string noPriority = priorityLines("NONE", "NONE", "NONE", "NONE");

// "[parsing FILE]..." with zero counts for each file, then the zero total.
std::string parsed(std::initializer_list<std::string> files)
{
    std::string out;
    for (const std::string& file : files)
        out += "[parsing " + file + "]...\n  errors: 0, warnings: 0\n";
    return out + ">>>total:  errors: 0, warnings: 0\n";
}

template <class Load>
std::string printed(Load load)
{
    testing::internal::CaptureStdout();
    load();
    return testing::internal::GetCapturedStdout();
}

#ifndef _WIN32
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
#endif

} // namespace

// A verbose load prints its path, for application registrations the
// priorities of the loading program (whose file is parsed first), each file
// with its counts and the total; a quiet one prints nothing.
TEST(Loaders, VerboseLinesOfEachLoader)
{
    LocaleGuard locale("C");
    TempDir tree;
    std::string a = tree.file("reg/C/a.reg");
    std::string b = tree.file("reg/C/sub/b.reg", "/* only a comment */\n");
    std::string priority = tree.file("reg/C/z/JKiv");
    std::string head = "ARF path: " + tree.path("reg") + "\n";
    setenv("KIvRegDir", tree.path("reg").c_str(), 1);
    EXPECT_EQ(printed([] { EXPECT_EQ(loadArf(1, nullptr), nullptr); }), head + noPriority + parsed({a, b, priority}));

    // The programs the library knows; any other keeps only the organization
    // and class.
    std::pair<const char*, std::string> programs[] = {
        {"jkiv", priorityLines("jkiv", "ZETA", "ZETA Taluna", "Varnel") + parsed({priority, a, b})},
        {"kzlaunch", priorityLines("launcher", "ZETA", "ZETA Taluna", "Launcher") + parsed({a, b, priority})},
        {"JKIV", priorityLines("NONE", "ZETA", "ZETA Taluna", "NONE") + parsed({a, b, priority})},
        {nullptr, priorityLines("NONE", "ZETA", "ZETA Taluna", "NONE") + parsed({a, b, priority})},
    };
    for (const auto& program : programs) {
        setArfPriorities("jkiv");
        setArfPriorities(program.first);
        EXPECT_EQ(printed([] { loadArf(1, nullptr); }), head + program.second) << program.first;
    }
    Application::setPriorityOrganization(nullptr);
    Application::setPriorityClass(nullptr);

    setenv("KIvSymDir", tree.path("reg").c_str(), 1);
    setenv("KIvFieldDir", tree.path("reg").c_str(), 1);
    std::string files = tree.path("reg") + "\n" + parsed({a, b, priority});
    EXPECT_EQ(printed([] { EXPECT_EQ(loadSrf(1, nullptr), nullptr); }), "SRF path: " + files);
    EXPECT_EQ(printed([] { EXPECT_EQ(loadFrf(1, nullptr), nullptr); }), "FRF path: " + files);
    EXPECT_EQ(printed([&] { EXPECT_EQ(loadSvrf(1, tree.path("reg").c_str()), nullptr); }),
              "SNMP Telvik Registration path: " + files);
    EXPECT_EQ(printed([] {
                  loadArf(0, nullptr);
                  loadSrf(0, nullptr);
              }),
              "");
    for (const char* name : {"KIvRegDir", "KIvSymDir", "KIvFieldDir"})
        unsetenv(name);
}

// Missing and empty directories: no registration, zero totals. A file that
// cannot be opened counts one error and the load goes on.
TEST(Loaders, BadDirectoriesAndFiles)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: the dangling link is a symbolic link, which Windows lets only privileged users make";
#else
    LocaleGuard locale("C");
    TempDir tree;
    tree.dir("empty/C");
    for (std::string path : {tree.path("missing"), tree.path("empty"), std::string()})
        EXPECT_EQ(printed([&] { EXPECT_EQ(loadArf(1, path.c_str()), nullptr); }),
                  "ARF path: " + path + "\n" + noPriority + parsed({}));

    std::string a = tree.file("reg/C/a");
    std::string dangling = tree.path("reg/C/dangling");
    ASSERT_EQ(symlink(tree.path("nowhere").c_str(), dangling.c_str()), 0);
    std::string z = tree.file("reg/C/z");
    std::string out = printed([&] { EXPECT_EQ(loadFrf(1, tree.path("reg").c_str()), nullptr); });
    std::string head = "FRF path: " + tree.path("reg") + "\n[parsing " + a +
                       "]...\n  errors: 0, warnings: 0\n[parsing " + dangling + "]...\n";
    std::string tail = "  errors: 1, warnings: 0\n[parsing " + z +
                       "]...\n  errors: 0, warnings: 0\n>>>total:  errors: 1, warnings: 0\n";
    EXPECT_EQ(out.substr(0, head.size()), head);
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    EXPECT_NE(out.find("can't open " + dangling), std::string::npos);
#endif
}

// A verbose load names what the walk loses: a directory entry too long and a
// directory that cannot be read (both used to vanish without a word). A
// missing language subdirectory stays unmentioned.
TEST(Loaders, VerboseLoadReportsLostDirectories)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: it runs out of file descriptors through a resource limit";
#else
    LocaleGuard locale("C.utf8");
    TempDir tree;
    tree.file("reg/C/a");
    std::string longEntry = "/tmp/" + std::string(295, 'e');
    std::string dirs = longEntry + ";" + tree.path("reg");
    int longLength = static_cast<int>(longEntry.size() + 1 + locale.language.size());
    parserMsg(MSG_SRF_PATH); // the catalog is open before the descriptors run out
    std::string out = printed([&] {
        NoDescriptorsLeft none;
        EXPECT_EQ(loadSrf(1, dirs.c_str()), nullptr);
        EXPECT_EQ(loadSrf(0, dirs.c_str()), nullptr);
    });
    EXPECT_EQ(out, "SRF path: " + dirs + "\nerror: too long path name(" + std::to_string(longLength) +
                       "); ignore\n; \nerror: " + tree.path("reg/C") + "; " + strerror(EMFILE) + "\n" + parsed({}));
#endif
}

// Whole directories parsed into one registration per kind. The directory also
// holds files of the other kinds and one that is no registration at all: they
// are parsed, counted and dropped without a leak.
TEST(Loaders, EachLoaderKeepsItsOwnKind)
{
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/a.reg", "application \"Alpha\" { version \"1\"; }\n");
    tree.file("reg/C/b.reg", "application \"Alpha\" { version \"2\"; }\n");
    tree.file("reg/C/d.srf", "symbolclass \"Net\" { }\nsymboltype \"Net\" : \"Hub\" { }\n");
    tree.file("reg/C/e.frf", "field \"Status\" { type integer32; }\n");
    tree.file("reg/C/f.svrf", "cgi \"viewer\" { command \"view.cgi\"; cgipath \"/cgi-bin/view\"; }\n");
    tree.file("reg/C/g.txt", "this is { not a registration\n");

    ApplicationRegistration* arf = nullptr;
    std::string out = printed([&] { arf = loadArf(1, tree.path("reg").c_str()); });
    ASSERT_NE(arf, nullptr);
    Application* alpha = arf->lookupApplication(const_cast<char*>("Alpha"));
    EXPECT_TRUE(alpha && std::string(alpha->version) == "1" && !alpha->next());
    EXPECT_EQ(out.substr(out.size() - 59), "  errors: 1, warnings: 0\n>>>total:  errors: 1, warnings: 1\n");
    delete arf;

    SymbolRegistration* srf = loadSrf(0, tree.path("reg").c_str());
    FieldRegistration* frf = loadFrf(0, tree.path("reg").c_str());
    SnmppvReg* svrf = loadSvrf(0, tree.path("reg").c_str());
    ASSERT_TRUE(srf && frf && svrf);
    SymbolClass* net = srf->lookupSymbolClass(const_cast<char*>("Net"));
    EXPECT_TRUE(net && net->lookupSymbolType(const_cast<char*>("Hub")));
    EXPECT_NE(frf->lookupField(const_cast<char*>("Status")), nullptr);
    EXPECT_NE(svrf->lookupSnmppvCgi(const_cast<char*>("viewer")), nullptr);
    delete srf;
    delete frf;
    delete svrf;
}

// The status of a load: every file of the list counted, those that could not
// be read among them, and the sums that a verbose load prints as its totals;
// the same whether the load is quiet or verbose.
TEST(Loaders, StatusCountsFilesAndSumsTheirProblems)
{
    TempDir dir;
    dir.file("reg/C/a", "Application \"A\" { MenuBar \"M\" { \"x\" f.action; } }\n");
    dir.file("reg/C/b", "Application \"A\" { }\n");
    dir.file("reg/C/c", "Application \"C\" { Action \"X\" { ; }\n");
#ifdef _WIN32
    // A file that another handle holds without sharing stands for the FIFO.
    std::string held = dir.file("reg/C/d");
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
#else
    ASSERT_EQ(mkfifo(dir.path("reg/C/d").c_str(), 0600), 0);
#endif
    for (int verbose : {0, 1}) {
        LoadStatus status{-1, -1, -1, -1};
        std::string out = printed([&] { delete loadArf(verbose, dir.path("reg").c_str(), &status); });
        EXPECT_EQ(status.files, 4);
        EXPECT_EQ(status.unopened, 1);
        EXPECT_EQ(status.warnings, 1); // A opened again
        EXPECT_EQ(status.errors, 1 + 1 + 1); // f.action without a name, the cut file, the FIFO
        if (verbose) {
            EXPECT_NE(out.find(">>>total:  errors: 3, warnings: 1\n"), std::string::npos) << out;
        } else {
            EXPECT_EQ(out, "");
        }
    }
#ifdef _WIN32
    CloseHandle(holder);
#endif
    LoadStatus empty{-1, -1, -1, -1};
    EXPECT_EQ(loadArf(0, dir.path("nothing").c_str(), &empty), nullptr);
    EXPECT_EQ(empty.files + empty.unopened + empty.errors + empty.warnings, 0);
}
