// Eight threads load the sample installation (all four kinds), dump, fold,
// generate the style sheet and ask for icon URLs at the same time; each must
// get what one thread alone gets. Built as a program of its own so that the
// thread-sanitizer step of the test command builds only this and the library.

#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace kivparser;

namespace {

const int THREADS = 8;
const int ROUNDS = 2;

// The style sheet without its generation time.
std::string styleSheet(const TempDir& root)
{
    std::ifstream in(root.path("www/htdocs/C/dynamicViews/dvStyleV7.xml"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string sheet = fromTextMode(text.str());
    size_t at = sheet.find("Generated on\n");
    return at == std::string::npos ? sheet : sheet.erase(at, sheet.find('\n', at + 13) - at + 1);
}

template <class T, class Owner>
void names(std::ostream& out, T* head, char* Owner::*key)
{
    for (T* item = head ? head->next() : nullptr; item; item = item->next())
        out << (item->*key ? item->*key : "-") << ',';
    out << '\n';
}

// What one thread does. Returns what it found out; the dumps go to standard
// output, each through `dumped` (which may capture it).
template <class Dumped>
std::string work(Dumped dumped)
{
    std::ostringstream out;
    setArfPriorities("jkiv");
    ApplicationRegistration* arf = loadArf(0, nullptr);
    SymbolRegistration* srf = loadSrf(0, nullptr);
    FieldRegistration* frf = loadFrf(0, nullptr);
    SnmppvReg* svrf = loadSvrf(0, nullptr);
    if (!arf || !srf || !frf || !svrf)
        return "a loader found nothing";

    names(out, arf->applications, &Application::appName);
    for (SymbolClass* sc = srf->symbolClasses->next(); sc; sc = sc->next())
        names(out, sc->symbolTypes, &SymbolType::symbolID);
    names(out, frf->fields, &Field::fieldID);
    names(out, svrf->snmppvCgis, &SnmppvCgi::cgiNameID);

    dumped([&] { arf->debugDump(); });
    dumped([&] { arf->debugDumpTabs(); });
    dumped([&] { srf->debugDump(); });
    dumped([&] { frf->debugDump(); });
    dumped([&] { svrf->debugDump(); });
    arf->removeSingleActionMenus();
    dumped([&] { arf->debugDump(); });

    char url[KIV_WEB_URL_LEN];
    char err[KIV_WEB_ERRMSG_LEN];
    out << kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err) << ' ' << url << ' ' << err << '\n';
    for (const char* symbol : {"Computer:Workstation", "Connector:Router", "Server:Mail Server", "None:None"}) {
        kivParserGetIconUrl(url, symbol);
        out << url << '\n';
    }
    kivParserReleaseSymbolCache();
    kivParserGetIconUrl(url, "Connector:Hub");
    out << url << '\n';

    delete arf;
    delete srf;
    delete frf;
    delete svrf;
    return out.str();
}

} // namespace

TEST(Threads, ParallelLoadsGetWhatOneThreadGets)
{
    // The sample configuration and bitmaps, and a web tree of its own that
    // receives the style sheet.
    TempDir root;
    std::string examples = KIVPARSER_SOURCE_DIR "/examples";
    std::filesystem::copy_file(examples + "/www/htdocs/C/dynamicViews/dvStyle.xml.template",
                               root.dir("www/htdocs/C/dynamicViews") + "/dvStyle.xml.template");
    setenv("KZ_ETC_PATH", (examples + "/etc").c_str(), 1);
    setenv("KZ_PATH", root.root.c_str(), 1);
    setenv("KZwwwBitmapDir", (examples + "/www/htdocs/bitmaps").c_str(), 1);
    setenv("KZ_WEB_PORT", "8181", 1);
    for (const char* name : {"KIvRegDir", "KIvSymDir", "KIvFieldDir"})
        unsetenv(name);

    // One thread: the results, each dump on its own, and the style sheet.
    std::vector<std::string> dumps;
    std::string expected = work([&](auto dump) {
        testing::internal::CaptureStdout();
        dump();
        dumps.push_back(testing::internal::GetCapturedStdout());
    });
    ASSERT_EQ(expected.find("a loader found nothing"), std::string::npos);
    ASSERT_NE(expected.find("\n0 http://"), std::string::npos) << expected;
    std::string sheet = styleSheet(root);
    ASSERT_NE(sheet.find("NodeStyle id=\"Connector:Router\""), std::string::npos);

    // Eight at once, each twice.
    std::vector<std::string> results(THREADS * ROUNDS);
    testing::internal::CaptureStdout();
    std::vector<std::thread> threads;
    for (int t = 0; t < THREADS; ++t)
        threads.emplace_back([&results, t] {
            for (int round = 0; round < ROUNDS; ++round)
                results[t * ROUNDS + round] = work([](auto dump) { dump(); });
        });
    for (std::thread& thread : threads)
        thread.join();
    std::string output = testing::internal::GetCapturedStdout();
    kivParserReleaseSymbolCache();
    for (const std::string& result : results)
        EXPECT_EQ(result, expected);
    EXPECT_EQ(styleSheet(root), sheet);

    // Every dump came out whole: the output is made of the single-thread
    // dumps, each as often as the runs made it.
    std::map<std::string, int> wanted, found;
    for (const std::string& dump : dumps)
        if (!dump.empty())
            wanted[dump] += THREADS * ROUNDS;
    std::vector<std::string> longestFirst;
    for (const auto& entry : wanted)
        longestFirst.push_back(entry.first);
    std::sort(longestFirst.begin(), longestFirst.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (size_t at = 0; at < output.size();) {
        auto whole = std::find_if(longestFirst.begin(), longestFirst.end(),
                                  [&](const std::string& dump) { return output.compare(at, dump.size(), dump) == 0; });
        ASSERT_NE(whole, longestFirst.end()) << "no whole dump at byte " << at << ":\n" << output.substr(at, 400);
        ++found[*whole];
        at += whole->size();
    }
    EXPECT_TRUE(found == wanted);
}

// Report handlers belong to the thread that installs them: threads loading
// faulty files of their own at the same time, each through a scope of its
// own, get their own reports and nothing else, at any verbosity, and find no
// handler installed once their scope is gone. Meanwhile another thread makes
// and destroys model objects: they take nothing of the parses at work (no
// application, no race).
TEST(Threads, ReportHandlersAreEachThreadsOwn)
{
    TempDir root;
    const int loaders = 4;
    for (int t = 0; t < loaders; ++t)
        root.file("t" + std::to_string(t) + "/C/app",
                  "Application \"App" + std::to_string(t) + "\" {\n MenuBar \"M\" { \"x\" f.action; }\n"
                  " Action \"A\" { Access \"x\" ==; }\n}\n");
    std::vector<std::string> seen(loaders);
    std::vector<int> leftOver(loaders, 0);
    std::atomic<bool> loading{true};
    std::atomic<int> foreign{0};
    std::thread maker([&] {
        while (loading) {
            Menu* menu = new Menu(strdup("free standing"));
            Action* action = new Action(strdup("free"));
            if (menu->getApplication() || action->getApplication())
                ++foreign;
            delete menu;
            delete action;
        }
    });
    std::vector<std::thread> threads;
    for (int t = 0; t < loaders; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {
                ParserReportScope scope([&](const ParserReport& r) {
                    seen[t] += std::string(reportKindName(r.kind)) + ":" + (r.file ? r.file : "-") + "\n";
                });
                delete loadArf(round % 2, root.path("t" + std::to_string(t)).c_str());
            }
            leftOver[t] = getParserReportHandler(nullptr) != nullptr;
        });
    for (std::thread& thread : threads)
        thread.join();
    loading = false;
    maker.join();
    EXPECT_EQ(foreign, 0);
    for (int t = 0; t < loaders; ++t) {
        std::string file = root.path("t" + std::to_string(t) + "/C/app");
        std::string once = "error:" + file + "\nsyntax:" + file + "\n";
        std::string quiet;
        for (int round = 0; round < 5; ++round)
            quiet += once;
        // Verbose rounds add their progress lines; the problems are the same.
        std::string problems;
        std::istringstream lines(seen[t]);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("progress:", 0) != 0)
                problems += line + "\n";
        EXPECT_EQ(problems, quiet);
        EXPECT_EQ(leftOver[t], 0);
    }
}
