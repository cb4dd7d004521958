#include "kivparser/kivparser.h"
#include "support/RegistrationRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <pthread.h>
#include <sstream>
#include <string>

using namespace kivparser;

namespace {

const std::string dataDir = std::string(KIVPARSER_TEST_DATA) + "/application/";
const char* const samples[] = {"merge_a.reg", "dup.reg", "links.reg", "popup_b.reg", "actions_a.reg", "cascade_b.reg"};

std::string sample(const char* name)
{
    std::ifstream in(dataDir + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

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

ApplicationRegistration* parseText(const TempDir& dir, const std::string& text)
{
    std::string path = dir.file("input.reg", text);
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
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

size_t count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

std::string jsonOf(ApplicationRegistration* reg)
{
    return writtenBy([&](FILE* out) { EXPECT_EQ(dumpJson(out, reg), 0); });
}

} // namespace

// The sample files cut at any token (inside a string, a block, an entry, a
// selection rule, a popup-menu block), or with one brace, parenthesis or
// semicolon dropped, or with a stray "; ! }" put in, parse with errors and
// recovery; a complete file parsed after into the same registration still
// merges, and the dumps, the JSON export and folding run, without a crash or
// a leak.
TEST(ApplicationRobustness, FilesCutOrDamagedAnywhere)
{
    TempDir dir;
    std::string broken = dir.path("broken.reg");
    auto run = [&](const std::string& text, const char* follow) {
        dir.file("broken.reg", text);
        RegistrationRun::parseDumpFold(broken, dataDir + follow);
    };
    for (const char* name : samples) {
        std::string text = sample(name);
        ASSERT_FALSE(text.empty()) << name;
        for (size_t at = 0; at < text.size(); at++) {
            char c = text[at];
            if (c == ' ' || c == '"' || c == ';' || c == '{' || c == '}' || c == '(' || c == '_' || c == '.')
                run(text.substr(0, at) + "\n", name);
            if (c == ';' || c == '{' || c == '}' || c == '(' || c == ')')
                run(text.substr(0, at) + text.substr(at + 1), "merge_b.reg");
            if (c == ' ' && at > 0 && text[at - 1] == ';')
                run(text.substr(0, at) + " ; ! } " + text.substr(at), "popup_a.reg");
        }
    }
}

// Inputs whose depth is their size, on a thread with 256 KiB of stack: a
// selection rule of a million terms, dumped, exported and folded; a chain of
// 100,000 menus exported and folded into one entry. Then chains of 1,000
// menus, popup menus and lists, each linked to the next, whose dumps follow
// the links to the end, on a thread with 64 KiB (the dump of a chain prints
// its depth in indentation on every line, so a longer chain costs the
// square).
TEST(ApplicationRobustness, DeepInputsOnASmallStack)
{
    TempDir dir;
    std::string rule = "application \"Rule\" {\n    action a { selectionrule x";
    for (int i = 1; i < 1000000; ++i)
        rule += " || x";
    std::string ruleFile = dir.file("rule.reg", rule + "; }\n}\n");
    std::string folded = menuChain(100000, "\"go\" f.action go;");
    std::string label = "MenuItem <-1> \"Go";
    for (int i = 1; i < 100000; ++i)
        label += ":e";
    label += ":go\"";

    const int depth = 1000;
    std::string linked = menuChain(depth, "\"a\" f.action go; \"b\" f.action other;");
    linked.erase(linked.size() - 2);
    linked += "    popupitem \"P\" context x targetsymboltype any f.menu p0;\n    tab T { \"t\" f.list l0; }\n";
    for (int i = 0; i < depth; ++i) {
        std::string next = std::to_string(i + 1);
        linked += "    popupmenu p" + std::to_string(i) + " { \"p\" context c targetsymboltype any f.menu p" + next +
                  "; }\n    list l" + std::to_string(i) + " { \"l\" f.list l" + next + "; }\n";
    }
    std::string linkedFile = dir.file("linked.reg", linked + "}\n");

    onSmallStack(256 * 1024, [&] {
        EXPECT_EQ(RegistrationRun::parseDumpFold(ruleFile), 0);
        ApplicationRegistration* reg = parseText(dir, folded);
        ASSERT_NE(reg, nullptr);
        EXPECT_EQ(count(jsonOf(reg), "\"menuLink\":{\"menuID\":\"m"), 100000u);
        reg->removeSingleActionMenus();
        testing::internal::CaptureStdout();
        reg->debugDump();
        std::string dump = testing::internal::GetCapturedStdout();
        EXPECT_NE(dump.find(label + " _ [] {\n        ContextExpression : \"\"\n        Function : f.menu \"m0\"\n"
                                    "        Action \"go\" {"),
                  std::string::npos);
        EXPECT_EQ(dump.find("Menu \"m"), std::string::npos);
        delete reg;
    });
    onSmallStack(64 * 1024, [&] { EXPECT_EQ(RegistrationRun::parseDumpFold(linkedFile), 0); });
}

// The cycle test at every f.menu link costs the same whichever order the
// menus come in: a chain declared from its end (each link to a menu already
// there) against the same chain from its start (each link a forward
// reference).
TEST(ApplicationRobustness, MenusFromTheEndOfAChainLinkAsFastAsFromItsStart)
{
    TempDir dir;
    auto fastest = [&dir](const std::string& text) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            timespec start, end;
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
            delete parseText(dir, text);
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
            best = std::min(best, (end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) * 1e-9);
        }
        return best;
    };
    const int count = 3000;
    double forward = fastest(menuChain(count, "\"go\" f.action go;"));
    double backward = fastest(menuChain(count, "\"go\" f.action go;", true));
    EXPECT_LT(backward, 3 * forward + 0.02) << "from the start " << forward << " s, from the end " << backward << " s";
}
