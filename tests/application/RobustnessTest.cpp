#include "GoldenSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <pthread.h>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace kivparser;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A temporary directory holding one registration file at a time.
class Scratch {
public:
    Scratch()
    {
        char pattern[] = "/tmp/kivparser-app-XXXXXX";
        dir = mkdtemp(pattern) ? pattern : "";
        file = dir + "/broken.reg";
    }
    ~Scratch()
    {
        std::remove(file.c_str());
        rmdir(dir.c_str());
    }
    void write(const std::string& text)
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    }
    std::string dir;
    std::string file;
};

// Standard output goes to /dev/null while it lives (the dumps are only run).
class Silence {
public:
    Silence()
    {
        fflush(stdout);
        saved = dup(1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~Silence()
    {
        fflush(stdout);
        dup2(saved, 1);
        close(saved);
    }
    int saved;
};

// Parses `text` and then `follow` (a complete file) into one registration and
// dumps it; nothing may crash, leak or leave the dump unbalanced.
void parseAndDump(Scratch& scratch, const std::string& text, const std::string& follow)
{
    ApplicationRegistration* reg = nullptr;
    scratch.write(text);
    {
        KivParser parser(const_cast<char*>(scratch.file.c_str()), reg, 0);
        reg = parser.getAppReg();
    }
    std::string second = dataPath(follow);
    {
        KivParser parser(const_cast<char*>(second.c_str()), reg, 0);
        reg = parser.getAppReg();
    }
    reg->debugDump();
    reg->debugDumpTabs();
    EXPECT_EQ(Indent, 0);
    delete reg;
}

const char* const samples[] = {"merge_a.reg", "dup.reg", "links.reg", "popup_b.reg", "actions_a.reg",
                               "cascade_b.reg"};

} // namespace

// The sample files cut at any token (a file cut anywhere: inside a string, a
// block, an entry, a selection rule, a popup-menu block) parses without harm,
// and a complete file parsed after it still merges.
TEST(ApplicationRobustness, FilesCutAnywhere)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    Silence silence;
    for (const char* sample : samples) {
        std::string text = readFile(dataPath(sample));
        ASSERT_FALSE(text.empty()) << sample;
        // Cuts at every place a token may end, and inside strings.
        for (size_t cut = 0; cut < text.size(); cut++) {
            char c = text[cut];
            if (c == ' ' || c == '"' || c == ';' || c == '{' || c == '}' || c == '(' || c == '_' || c == '.')
                parseAndDump(scratch, text.substr(0, cut) + "\n", sample);
        }
    }
}

// Dropping one brace or semicolon, or doubling a word, anywhere in the sample
// files gives syntax errors and recovery, never a crash or a leak.
TEST(ApplicationRobustness, DamagedStatements)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    Silence silence;
    for (const char* sample : samples) {
        std::string text = readFile(dataPath(sample));
        for (size_t at = 0; at < text.size(); at++) {
            char c = text[at];
            if (c == ';' || c == '{' || c == '}' || c == '(' || c == ')')
                parseAndDump(scratch, text.substr(0, at) + text.substr(at + 1), "merge_b.reg");
            if (c == ' ' && at > 0 && text[at - 1] == ';')
                parseAndDump(scratch, text.substr(0, at) + " ; ! } " + text.substr(at), "popup_a.reg");
        }
    }
}

namespace {

// Runs `work` on a thread of its own with a stack of `bytes`, as a host
// thread (a virtual machine's, say) might have.
void onSmallStack(size_t bytes, const std::function<void()>& work)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, bytes), 0);
    pthread_t thread;
    auto run = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

ApplicationRegistration* parseText(Scratch& scratch, const std::string& text)
{
    scratch.write(text);
    KivParser parser(const_cast<char*>(scratch.file.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(parser.errors, 0);
    return parser.getAppReg();
}

// `count` menus, menu i's only entry opening menu i+1, the first opened from
// a menu bar; the last menu's entries are `end`.
std::string menuChain(int count, const std::string& end, bool reverse = false)
{
    std::string text = "application \"Deep\" {\n    menubar \"Bar\" { \"Go\" f.menu m0; }\n";
    for (int n = 0; n < count; ++n) {
        int i = reverse ? count - 1 - n : n;
        text += "    menu m" + std::to_string(i) + " { " +
                (i + 1 < count ? "\"e\" f.menu m" + std::to_string(i + 1) + ";" : end) + " }\n";
    }
    return text + "    action go { }\n    action other { }\n}\n";
}

double cpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return (double)now.tv_sec + now.tv_nsec * 1e-9;
}

} // namespace

// Inputs whose depth is their size: a selection rule of a million terms and
// a chain of 100,000 menus folded into one entry, parsed, dumped, folded and
// released on a thread with 256 KiB of stack; chains of 1,000 menus, popup
// menus and lists, each linked to the next, whose dump follows the links to
// the end, on a thread with 64 KiB (the dump of a chain prints its depth in
// indentation on every line, so a longer chain costs the square).
TEST(ApplicationRobustness, DeepInputsOnASmallStack)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    std::string rule = "application \"Rule\" {\n    action a { selectionrule x";
    for (int i = 1; i < 1000000; ++i)
        rule += " || x";
    rule += "; }\n}\n";
    std::string folded = menuChain(100000, "\"go\" f.action go;");
    const int depth = 1000;
    std::string linked = menuChain(depth, "\"a\" f.action go; \"b\" f.action other;");
    linked.erase(linked.size() - 2);
    linked += "    popupitem \"P\" context x targetsymboltype any f.menu p0;\n    tab T { \"t\" f.list l0; }\n";
    for (int i = 0; i < depth; ++i) {
        std::string next = std::to_string(i + 1);
        linked += "    popupmenu p" + std::to_string(i) + " { \"p\" context c targetsymboltype any f.menu p" + next +
                  "; }\n    list l" + std::to_string(i) + " { \"l\" f.list l" + next + "; }\n";
    }
    linked += "}\n";

    Silence silence;
    auto run = [&scratch, &folded](const std::string& text, bool dumpFirst) {
        ApplicationRegistration* reg = parseText(scratch, text);
        ASSERT_NE(reg, nullptr);
        if (dumpFirst) {
            reg->debugDump();
            reg->debugDumpTabs();
        }
        reg->removeSingleActionMenus();
        reg->debugDump();
        EXPECT_EQ(Indent, 0);
        if (&text == &folded) {
            MenuItem* go = static_cast<MenuItem*>(reg->menuBars->next()->menuItems->next());
            std::string label = "Go";
            for (int i = 1; i < 100000; ++i)
                label += ":e";
            EXPECT_EQ(std::string(go->label), label + ":go");
            EXPECT_EQ(go->menuLink, nullptr);
            ASSERT_NE(go->actionLink, nullptr);
            EXPECT_STREQ(go->actionLink->actionID, "go");
            EXPECT_EQ(reg->applications->next()->menus->next(), nullptr);
        }
        delete reg;
    };
    onSmallStack(256 * 1024, [&] {
        run(rule, true);
        run(folded, false);
    });
    onSmallStack(64 * 1024, [&] { run(linked, true); });
}

// The cycle test at every f.menu link costs the same whichever order the
// menus come in: a chain declared from its end (each link to a menu already
// there) against the same chain from its start (each link a forward
// reference).
TEST(ApplicationRobustness, MenusFromTheEndOfAChainLinkAsFastAsFromItsStart)
{
    Scratch scratch;
    ASSERT_FALSE(scratch.dir.empty());
    auto fastest = [&scratch](const std::string& text) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            double start = cpuSeconds();
            delete parseText(scratch, text);
            best = std::min(best, cpuSeconds() - start);
        }
        return best;
    };
    const int count = 3000;
    double forward = fastest(menuChain(count, "\"go\" f.action go;"));
    double backward = fastest(menuChain(count, "\"go\" f.action go;", true));
    EXPECT_LT(backward, 3 * forward + 0.02) << "from the start " << forward << " s, from the end " << backward << " s";
}
