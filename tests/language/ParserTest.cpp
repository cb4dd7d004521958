#include "kivparser/kivparser.h"
#include "language/Lex.h"
#include "support/ParsedFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kivparser;

namespace {

char* c(const std::string& path)
{
    return const_cast<char*>(path.c_str());
}

std::string selectionRule(int depth)
{
    return "Application a { Action x { SelectionRule " + std::string(depth, '(') + "a" + std::string(depth, ')') +
           "; } }";
}

} // namespace

// Error recovery: one report per bad statement, at its line; what the engine
// itself returns (1 when the input ends during recovery, on a stack
// overflow, or when nothing can be recovered).
TEST(Parser, OneReportPerBadStatementAndTheEnginesResult)
{
    struct Case {
        std::string text;
        int result;
        int errors;
        std::vector<std::string> reports;
    };
    const Case cases[] = {
        {"Application a {\n Version \"1\";\n bad words here;\n Version \"2\";\n"
         " MenuBar \"m\" { \"x\" ! \"a\"; nonsense !; \"y\" ! \"b\"; }\n}\n",
         0,
         2,
         {"Line: 3\nError: syntax error\n", "Line: 5\nError: syntax error\n"}},
        {"Application a { x y; z w; Version \"1\"; }", 0, 2, {}},
        // The brace is discarded while the parser waits for a semicolon.
        {"Application a { Version \"1\"; bogus }\n", 1, 1, {}},
        {"Application a { bogus } Version \"1\"; }\n", 0, 1, {}},
        {"; ; ;", 1, 1, {}},
        {selectionRule(400), 0, 0, {}},
        {selectionRule(500), 1, 1, {"Error: yacc stack overflow\n"}},
        {"\"SymbolAlert\" critical\nSymbolAlert } { garbage !!! \"unterminated", 0, 0, {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        std::string path = dir.file("case.reg", c.text);
        ParsedFile parsed(path);
        EXPECT_EQ(parsed->errors, c.errors) << c.text;
        EXPECT_EQ(parsed->warnings, 0) << c.text;
        EXPECT_EQ(parsed.count("\nError: "), c.errors) << parsed.out;
        for (const std::string& report : c.reports)
            EXPECT_EQ(parsed.count(report), 1) << parsed.out;

        parsed->verbose = 0;
        parsed->errors = 0;
        FILE* stream = fopen(path.c_str(), "r");
        lexNewInput(stream);
        EXPECT_EQ(parsed->parse(), c.result) << c.text;
        fclose(stream);
        EXPECT_EQ(parsed->errors, c.errors) << c.text;
    }
}

// Files without a registration make no root; a symbol-alert file ends the
// parse at once, what follows it is not read.
TEST(Parser, FilesThatDefineNothingMakeNoRoot)
{
    TempDir dir;
    for (const char* text : {"", "// nothing\n/* at /* all */ */\n\n", "#ifdef UNKNOWN\nApplication a { }\n#endif\n",
                             "\"SymbolAlert\" critical\nSymbolAlert } { garbage !!! \"unterminated"}) {
        ParsedFile parsed(dir.file("none.reg", text));
        EXPECT_EQ(parsed->ok, 1) << text;
        EXPECT_EQ(parsed->errors + parsed->warnings, 0) << text;
        EXPECT_TRUE(!parsed->getAppReg() && !parsed->getSymReg() && !parsed->getFldReg() && !parsed->getSnmppvReg())
            << text;
    }
}

// A file that is missing is one error at line 1 and never reaches the
// scanner (which would otherwise read standard input).
TEST(Parser, MissingFileIsOneErrorAndLeavesTheScannerAlone)
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
    ParsedFile parsed("/nonexistent/a.reg");
    EXPECT_EQ(parsed.out,
              "\n------------------------------\nFile: /nonexistent/a.reg\nLine: 1\n"
              "Error: can't open /nonexistent/a.reg\n\n------------------------------\n");
    EXPECT_EQ(parsed->ok, 0);
    EXPECT_EQ(parsed->errors, 1);
    EXPECT_EQ(parsed->fp, nullptr);
    EXPECT_STREQ(parsed->filename, "/nonexistent/a.reg");
    EXPECT_EQ(KivParser::started, 0);
    EXPECT_EQ(KivParser::current, parsed.parser.get());
}

TEST(Parser, StandardInputWhenNoPathIsGiven)
{
    TempDir dir;
    ASSERT_NE(freopen(dir.file("in.reg", "Application a {\n bad;\n}\n").c_str(), "r", stdin), nullptr);
    KivParser parser;
    EXPECT_EQ(parser.filename, nullptr);
    EXPECT_EQ(parser.verbose, 0);
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(parser.ok, 0);
    EXPECT_EQ(parser.lineno, 4);
    releaseRoots(parser);
}

// Files parsed in turn: each parser counts its own reports and lines; a root
// the caller gives is filled, not replaced; a file of another kind gets a
// root of its own.
TEST(Parser, FilesInTurnFillTheRootsTheyAreGiven)
{
    TempDir dir;
    SymbolRegistration* own = new SymbolRegistration();
    KivParser one(c(dir.file("one.arf", "Application a {\n x;\n y;\n}\n")), own, 0);
    EXPECT_EQ(one.errors, 2);
    EXPECT_EQ(one.getSymReg(), own);
    ApplicationRegistration* root = one.getAppReg();
    ASSERT_NE(root, nullptr);
    KivParser two(c(dir.file("two.arf", "Application b {\n Version \"1\";\n}\n")), root, 0);
    EXPECT_EQ(two.errors, 0);
    EXPECT_EQ(two.ok, 1);
    EXPECT_EQ(two.lineno, 4);
    EXPECT_EQ(one.errors, 2);
    EXPECT_EQ(two.getAppReg(), root);
    EXPECT_NE(root->lookupApplication(c("a")), nullptr);
    EXPECT_NE(root->lookupApplication(c("b")), nullptr);

    EXPECT_EQ(own->lookupSymbolClass(c("s")), nullptr);
    KivParser three(c(dir.file("s.srf", "SymbolClass s { }")), own, 0);
    EXPECT_EQ(three.getSymReg(), own);
    EXPECT_NE(own->lookupSymbolClass(c("s")), nullptr);
    KivParser four(c(dir.file("c.svrf", "CGI c { Command \"c\"; CgiPath \"/c\"; }")),
                   static_cast<FieldRegistration*>(nullptr), 0);
    EXPECT_EQ(four.getFldReg(), nullptr);
    ASSERT_NE(four.getSnmppvReg(), nullptr);
    EXPECT_NE(four.getSnmppvReg()->lookupSnmppvCgi(c("c")), nullptr);
    delete root;
    delete own;
    delete four.getSnmppvReg();
}

// YYDEBUG traces the engine on standard output, every line as "yydebug: ",
// without the engine's prefix.
TEST(Parser, TraceGoesToStandardOutput)
{
    TempDir dir;
    std::string path = dir.file("trace.reg", "Field f { Type bad; }");
    setenv("YYDEBUG", "1", 1);
    testing::internal::CaptureStderr();
    ParsedFile parsed(path, 0);
    std::string err = testing::internal::GetCapturedStderr();
    unsetenv("YYDEBUG");
    EXPECT_EQ(err, "");
    EXPECT_EQ(parsed->errors, 1);
    EXPECT_EQ(parsed.out.rfind("yydebug: state 0, reading 314 (FIELD)\n", 0), 0u) << parsed.out;
    EXPECT_EQ(parsed.count("yydebug: state 0, reducing by rule 5 ($$3 :)\n"), 1);
    EXPECT_EQ(parsed.count(", error recovery discards token 276 (IDENTIFIER)\n"), 1);
    EXPECT_EQ(parsed.count("(ErrorStmt : error SEMICOLON)\n"), 1);
    std::istringstream lines(parsed.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(line.rfind("yydebug: ", 0), 0u) << line;
}

// A directory, a FIFO without a writer (its open must not wait), a regular
// file whose read fails: one error each, and the next file parses.
TEST(Parser, FilesThatCannotBeReadAreSkippedAndTheNextOneParses)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: FIFOs and /proc/self/mem (WindowsFiles.DevicesPipesAndDirectoriesAreRefused is the Windows case)";
#else
    TempDir dir;
    std::string pipe = dir.path("pipe.reg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string good = dir.file("good.reg", "Application a { Version \"1\"; }\n");
    for (const std::string& path : {dir.root, pipe, std::string("/proc/self/mem")}) {
        testing::internal::CaptureStderr();
        ParsedFile bad(path);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(bad->errors, 1) << path;
        EXPECT_EQ(bad->ok, 0) << path;
        EXPECT_EQ(bad.count("Error: can't open " + path + "\n"), 1) << bad.out;
        EXPECT_EQ(err, path == "/proc/self/mem" ? "read() in flex scanner failed\n" : "") << path;
        ParsedFile next(good, 0);
        EXPECT_EQ(next->errors, 0) << path;
        ASSERT_NE(next->getAppReg(), nullptr);
        EXPECT_NE(next->getAppReg()->lookupApplication(c("a")), nullptr);
    }

    // A read that fails in the middle of a string: the file is given up
    // there, with one error and no syntax error for its cut end.
    long page = sysconf(_SC_PAGESIZE);
    char* area =
        static_cast<char*>(mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(area, MAP_FAILED);
    munmap(area + page, page);
    const std::string text = "Application cut {\n Version \"1\";\n Description { \"a";
    memcpy(area + page - text.size(), text.data(), text.size());
    FILE* stream = fopen("/proc/self/mem", "r");
    ASSERT_NE(stream, nullptr);
    ASSERT_GE(lseek(fileno(stream), static_cast<off_t>(reinterpret_cast<uintptr_t>(area + page - text.size())),
                    SEEK_SET),
              0);
    ParsedFile parser(dir.file("empty.reg"), 1);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    lexNewInput(stream);
    EXPECT_EQ(parser->parse(), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "read() in flex scanner failed\n");
    fclose(stream);
    munmap(area, page);
    EXPECT_EQ(parser->errors, 1);
    EXPECT_EQ(parser->lineno, 3);
    EXPECT_EQ(out.find("Error: "), out.rfind("Error: ")) << out;
    EXPECT_NE(out.find("Error: can't open "), std::string::npos) << out;
#endif
}

// Cut right after a menu item's label, where the scanner expects the item's
// mnemonic or accelerator: the next file still starts in normal mode.
TEST(Parser, EachFileStartsInNormalMode)
{
    TempDir dir;
    ParsedFile cut(dir.file("cut.reg", "Application a { MenuBar \"File\" { \"New\""), 0);
    EXPECT_GT(cut->errors, 0);
    ParsedFile good(dir.file("good.reg", "Application b { Version \"1\"; }\n"), 0);
    EXPECT_EQ(good->errors, 0);
    EXPECT_NE(good->getAppReg()->lookupApplication(c("b")), nullptr);
}

TEST(Parser, StringCutByAByteThatDoesNotDecodeIsWarnedAbout)
{
    if (!setlocale(LC_CTYPE, "C.UTF-8"))
        GTEST_SKIP() << "no C.UTF-8 locale";
    TempDir dir;
    // "Café Monitor" written in Latin-1, read as UTF-8.
    std::string path = dir.file("latin1.reg", "Application \"Caf\xe9 Monitor\" {\n Version \"1\";\n}\n");
    ParsedFile parsed(path);
    setlocale(LC_CTYPE, "C");
    EXPECT_EQ(parsed->errors, 0);
    EXPECT_EQ(parsed->warnings, 1);
    EXPECT_EQ(parsed.count("File: " + path +
                           "\nLine: 1\nWarning: String \"Caf\": cut at a byte that does not "
                           "decode in the locale\n"),
              1)
        << parsed.out;
    // The value is what it always was.
    EXPECT_NE(parsed->getAppReg()->lookupApplication(c("Caf")), nullptr);
}
