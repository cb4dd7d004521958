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

// Texts in memory in place of files: the load of an editor's buffers is the
// load of the same bytes on disk, in the same order (the text of the second
// file decides which definition of an action comes second, reports name the
// file); a text that names no file of the list changes nothing; every kind.
TEST(Loaders, TextsInMemoryStandInForTheirFiles)
{
    LocaleGuard locale("C");
    TempDir dir;
    const std::string a = "Application \"A\" { Action \"X\" { DisplayString \"from a\"; } }\n";
    const std::string bOnDisk = "Application \"B\" { }\n";
    const std::string bInMemory = "Application \"A\" { Action \"X\" { DisplayString \"from b\"; } }\n"
                                  "Application \"Late\" {\n";
    dir.file("reg/C/a", a);
    dir.file("reg/C/b", bOnDisk);
    dir.file("same/C/a", a);
    dir.file("same/C/b", bInMemory);
    const std::string b = dir.path("reg/C/b");
    const std::string elsewhere = dir.path("reg/C/none");

    auto summary = [](ApplicationRegistration* reg) {
        std::string text;
        for (const Application& app : elements(reg ? reg->applications : nullptr))
            text += std::string(app.appName) + ";";
        const Application* first = reg ? reg->lookupApplication("A") : nullptr;
        const Action* x = first ? first->lookupAction("X") : nullptr;
        return text + (x && x->displayString ? x->displayString : "-");
    };
    std::vector<std::string> reportsOnDisk, reportsInMemory;
    auto record = [](std::vector<std::string>& into) {
        return [&into](const ParserReport& r) {
            std::string file = r.file ? r.file : "";
            into.push_back(file.substr(file.find_last_of("/\\") + 1) + ":" + std::to_string(r.line) + ": " + r.message);
        };
    };

    LoadStatus onDisk{}, inMemory{};
    ApplicationRegistration* expected = nullptr;
    ApplicationRegistration* loaded = nullptr;
    {
        ParserReportScope scope(record(reportsOnDisk));
        expected = loadArf(0, dir.path("same").c_str(), &onDisk);
    }
    {
        ParserReportScope scope(record(reportsInMemory));
        SourceText texts[] = {{elsewhere.c_str(), "garbage {", 9}, {b.c_str(), bInMemory.data(), bInMemory.size()}};
        loaded = loadArf(0, dir.path("reg").c_str(), &inMemory, texts, 2);
    }
    EXPECT_EQ(summary(loaded), summary(expected));
    EXPECT_EQ(summary(loaded), "A;from a");
    EXPECT_EQ(reportsInMemory, reportsOnDisk);
    // A and X defined again; a second application in one file.
    EXPECT_EQ(reportsInMemory.size(), 3u);
    EXPECT_EQ(inMemory.files, 2);
    EXPECT_EQ(inMemory.errors, onDisk.errors);
    EXPECT_EQ(inMemory.warnings, onDisk.warnings);
    delete expected;
    delete loaded;

    // Without texts, and with none that matches, the disk decides.
    SourceText unrelated{elsewhere.c_str(), "garbage {", 9};
    ApplicationRegistration* plain = loadArf(0, dir.path("reg").c_str(), nullptr, &unrelated, 1);
    EXPECT_EQ(summary(plain), "A;B;from a");
    delete plain;

    // The other kinds take texts the same way.
    dir.file("sym/C/s", "symbolclass \"Net\" { }\n");
    dir.file("fld/C/f", "field \"Status\" { type integer32; }\n");
    dir.file("cgi/C/c", "cgi \"viewer\" { command \"view.cgi\"; cgipath \"/cgi-bin/view\"; }\n");
    const std::string s = dir.path("sym/C/s"), f = dir.path("fld/C/f"), c = dir.path("cgi/C/c");
    const char symbol[] = "symbolclass \"Memory\" { }\n";
    const char field[] = "field \"Memory\" { type integer32; }\n";
    const char cgi[] = "cgi \"memory\" { command \"m.cgi\"; cgipath \"/cgi-bin/m\"; }\n";
    SourceText st{s.c_str(), symbol, sizeof symbol - 1}, ft{f.c_str(), field, sizeof field - 1},
        ct{c.c_str(), cgi, sizeof cgi - 1};
    SymbolRegistration* srf = loadSrf(0, dir.path("sym").c_str(), nullptr, &st, 1);
    FieldRegistration* frf = loadFrf(0, dir.path("fld").c_str(), nullptr, &ft, 1);
    SnmppvReg* svrf = loadSvrf(0, dir.path("cgi").c_str(), nullptr, &ct, 1);
    ASSERT_TRUE(srf && frf && svrf);
    EXPECT_TRUE(srf->lookupSymbolClass("Memory") && !srf->lookupSymbolClass("Net"));
    EXPECT_TRUE(frf->lookupField("Memory") && !frf->lookupField("Status"));
    EXPECT_TRUE(svrf->lookupSnmppvCgi("memory") && !svrf->lookupSnmppvCgi("viewer"));
    delete srf;
    delete frf;
    delete svrf;
}
