#include "language/LanguageFiles.h"
#include "language/Lex.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kivparser;

namespace {

std::string pathIn(LanguageDir& dir, const std::string& content, const char* name = "file.reg")
{
    return dir.write(name, content);
}

// Parses `content` once more with a parser that has already parsed an empty
// file, to see the engine's own result.
int parseResult(LanguageDir& dir, const std::string& content, KivParser** used = nullptr)
{
    static KivParser* parser = nullptr;
    if (parser)
        releaseRoots(*parser);
    delete parser;
    std::string empty = pathIn(dir, "", "empty.reg");
    parser = new KivParser(const_cast<char*>(empty.c_str()), nullptr, nullptr, nullptr, nullptr, 0);
    std::string path = pathIn(dir, content, "again.reg");
    FILE* stream = fopen(path.c_str(), "r");
    lexNewInput(stream);
    int result = parser->parse();
    fclose(stream);
    if (!used)
        releaseRoots(*parser);
    if (used)
        *used = parser;
    return result;
}

int countOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        count++;
    return count;
}

} // namespace

TEST(Parser, OneReportPerBadStatement)
{
    LanguageDir dir;
    std::string path = pathIn(dir, "Application a {\n"
                                   "  Version \"1\";\n"
                                   "  bad words here;\n"
                                   "  Version \"2\";\n"
                                   "  MenuBar \"m\" { \"x\" ! \"a\"; nonsense !; \"y\" ! \"b\"; }\n"
                                   "}\n");
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(parser.errors, 2);
    EXPECT_EQ(parser.ok, 0);
    EXPECT_EQ(countOf(out, "Error: syntax error"), 2);
    EXPECT_EQ(countOf(out, "Line: 3\n"), 1);
    EXPECT_EQ(countOf(out, "Line: 5\n"), 1);
    releaseRoots(parser);

    // Two bad statements in a row: two reports; the parse still ends well.
    KivParser* used = nullptr;
    EXPECT_EQ(parseResult(dir, "Application a { x y; z w; Version \"1\"; }", &used), 0);
    EXPECT_EQ(used->errors, 2);
}

TEST(Parser, UnknownWordBeforeClosingBrace)
{
    LanguageDir dir;
    KivParser* used = nullptr;
    // The brace is discarded while the parser waits for a semicolon; the
    // input then ends during recovery.
    EXPECT_EQ(parseResult(dir, "Application a { Version \"1\"; bogus }\n", &used), 1);
    EXPECT_EQ(used->errors, 1);
    // With statements after it, recovery ends at the next semicolon.
    EXPECT_EQ(parseResult(dir, "Application a { bogus } Version \"1\"; }\n", &used), 0);
    EXPECT_EQ(used->errors, 1);
    // Text that no registration starts with cannot be recovered.
    EXPECT_EQ(parseResult(dir, "; ; ;", &used), 1);
    EXPECT_EQ(used->errors, 1);
}

TEST(Parser, DeepSelectionRuleOverflowsTheStack)
{
    LanguageDir dir;
    auto rule = [](int depth) {
        return "Application a { Action x { SelectionRule " + std::string(depth, '(') + "a" +
               std::string(depth, ')') + "; } }";
    };
    KivParser* used = nullptr;
    EXPECT_EQ(parseResult(dir, rule(400), &used), 0);
    EXPECT_EQ(used->errors, 0);

    std::string path = pathIn(dir, rule(500));
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(countOf(out, "Error: yacc stack overflow"), 1);
    releaseRoots(parser);
    EXPECT_EQ(parseResult(dir, rule(500)), 1);
}

TEST(Parser, EmptyCommentOnlyAndSymbolAlertFiles)
{
    LanguageDir dir;
    for (const char* content : {"", "// nothing\n/* at /* all */ */\n\n", "#ifdef UNKNOWN\nApplication a { }\n#endif\n"}) {
        std::string path = pathIn(dir, content);
        KivParser parser(const_cast<char*>(path.c_str()), nullptr, nullptr, nullptr, nullptr, 1);
        EXPECT_EQ(parser.ok, 1);
        EXPECT_EQ(parser.errors, 0);
        EXPECT_EQ(parser.getAppReg(), nullptr);
        EXPECT_EQ(parser.getSymReg(), nullptr);
        EXPECT_EQ(parser.getFldReg(), nullptr);
        EXPECT_EQ(parser.getSnmppvReg(), nullptr);
    }

    // A symbol-alert file ends the parse at once: what follows is not read.
    std::string alert = "\"SymbolAlert\" critical\nSymbolAlert } { garbage !!! \"unterminated";
    std::string path = pathIn(dir, alert);
    KivParser parser(const_cast<char*>(path.c_str()), nullptr, nullptr, nullptr, nullptr, 1);
    EXPECT_EQ(parser.ok, 1);
    EXPECT_EQ(parser.errors, 0);
    EXPECT_EQ(parser.warnings, 0);
    EXPECT_EQ(parser.getAppReg(), nullptr);
    EXPECT_EQ(parser.getSymReg(), nullptr);
    EXPECT_EQ(parseResult(dir, alert), 0);
}

TEST(Parser, MissingFileLeavesTheScannerAlone)
{
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>("/nonexistent/dir/app.reg"), static_cast<ApplicationRegistration*>(nullptr), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(parser.ok, 0);
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(parser.fp, nullptr);
    EXPECT_STREQ(parser.filename, "/nonexistent/dir/app.reg");
    EXPECT_EQ(countOf(out, "Error: can't open /nonexistent/dir/app.reg\n"), 1);
    EXPECT_EQ(KivParser::started, 0);
    EXPECT_EQ(KivParser::current, &parser);
}

TEST(Parser, StandardInputWhenNoPathIsGiven)
{
    LanguageDir dir;
    std::string path = pathIn(dir, "Application a {\n bad;\n}\n");
    ASSERT_NE(freopen(path.c_str(), "r", stdin), nullptr);
    KivParser parser;
    EXPECT_EQ(parser.filename, nullptr);
    EXPECT_EQ(parser.verbose, 0);
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(parser.ok, 0);
    EXPECT_EQ(parser.lineno, 4);
    releaseRoots(parser);
}

TEST(Parser, FilesInTurnCountTheirOwnReports)
{
    LanguageDir dir;
    std::string first = pathIn(dir, "Application a {\n x;\n y;\n}\n", "first.reg");
    std::string second = pathIn(dir, "Application b {\n Version \"1\";\n}\n", "second.reg");
    std::string third = pathIn(dir, "Application c {\n z;\n", "third.reg");
    KivParser one(const_cast<char*>(first.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(one.errors, 2);
    KivParser two(const_cast<char*>(second.c_str()), one.getAppReg(), 0);
    EXPECT_EQ(two.errors, 0);
    EXPECT_EQ(two.ok, 1);
    EXPECT_EQ(two.lineno, 4);
    EXPECT_EQ(KivParser::started, 2);
    KivParser three(const_cast<char*>(third.c_str()), two.getAppReg(), 0);
    EXPECT_EQ(three.errors, 2);
    EXPECT_EQ(one.errors, 2);
    EXPECT_EQ(two.errors, 0);
    releaseRoots(one);
}

TEST(Parser, TraceGoesToStandardOutput)
{
    LanguageDir dir;
    std::string path = pathIn(dir, "Field f { Type bad; }");
    setenv("YYDEBUG", "1", 1);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<FieldRegistration*>(nullptr), 0);
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    unsetenv("YYDEBUG");
    EXPECT_EQ(err, "");
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(out.rfind("yydebug: state 0, reading 314 (FIELD)\n", 0), 0u) << out;
    EXPECT_NE(out.find("yydebug: state 0, reducing by rule 5 ($$3 :)\n"), std::string::npos);
    EXPECT_NE(out.find("yydebug: after reduction, shifting from state 0 to state "), std::string::npos);
    EXPECT_NE(out.find(", shifting to state "), std::string::npos);
    EXPECT_NE(out.find(", reading 276 (IDENTIFIER)\n"), std::string::npos);
    EXPECT_NE(out.find("yydebug: error recovery discarding state "), std::string::npos);
    EXPECT_NE(out.find(", error recovery shifting to state "), std::string::npos);
    EXPECT_NE(out.find(", error recovery discards token 276 (IDENTIFIER)\n"), std::string::npos);
    EXPECT_NE(out.find("(ErrorStmt : error SEMICOLON)\n"), std::string::npos);
    EXPECT_NE(out.find("yydebug: after reduction, shifting from state 0 to state 2\n"), std::string::npos);
    EXPECT_EQ(out.find("KIVyy"), std::string::npos);
    releaseRoots(parser);
}

TEST(Parser, AFileOfAnotherKindGetsARootOfItsOwn)
{
    LanguageDir dir;
    std::string application = pathIn(dir, "Application a { Version \"1\"; }", "a.arf");
    std::string cgi = pathIn(dir, "CGI c { Command \"c\"; CgiPath \"/c\"; }", "c.svrf");
    std::string symbols = pathIn(dir, "SymbolClass s { }", "s.srf");

    SymbolRegistration* own = new SymbolRegistration();
    KivParser first(const_cast<char*>(application.c_str()), own, 0);
    EXPECT_EQ(first.ok, 1);
    EXPECT_EQ(first.getSymReg(), own);
    ASSERT_NE(first.getAppReg(), nullptr);
    EXPECT_NE(first.getAppReg()->lookupApplication(const_cast<char*>("a")), nullptr);
    EXPECT_EQ(own->lookupSymbolClass(const_cast<char*>("s")), nullptr);

    KivParser second(const_cast<char*>(cgi.c_str()), static_cast<FieldRegistration*>(nullptr), 0);
    EXPECT_EQ(second.ok, 1);
    EXPECT_EQ(second.getFldReg(), nullptr);
    ASSERT_NE(second.getSnmppvReg(), nullptr);
    EXPECT_NE(second.getSnmppvReg()->lookupSnmppvCgi(const_cast<char*>("c")), nullptr);

    // A root the caller gave is filled, not replaced.
    KivParser third(const_cast<char*>(symbols.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(third.getAppReg(), nullptr);
    ASSERT_NE(third.getSymReg(), nullptr);
    KivParser fourth(const_cast<char*>(symbols.c_str()), own, 0);
    EXPECT_EQ(fourth.getSymReg(), own);
    EXPECT_NE(own->lookupSymbolClass(const_cast<char*>("s")), nullptr);

    delete first.getAppReg();
    delete second.getSnmppvReg();
    delete third.getSymReg();
    delete own;
}

TEST(Parser, TwoFilesIntoOneRoot)
{
    LanguageDir dir;
    std::string first = pathIn(dir, "Application a {\n bad;\n Version \"1\";\n}\n", "first.arf");
    std::string second = pathIn(dir, "Application b {\n Version \"2\";\n}\n", "second.arf");
    KivParser one(const_cast<char*>(first.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    ApplicationRegistration* root = one.getAppReg();
    ASSERT_NE(root, nullptr);
    KivParser two(const_cast<char*>(second.c_str()), root, 0);
    EXPECT_EQ(two.getAppReg(), root);
    EXPECT_NE(root->lookupApplication(const_cast<char*>("a")), nullptr);
    EXPECT_NE(root->lookupApplication(const_cast<char*>("b")), nullptr);
    EXPECT_EQ(one.errors, 1);
    EXPECT_EQ(one.ok, 0);
    EXPECT_EQ(two.errors, 0);
    EXPECT_EQ(two.ok, 1);
    delete root;
}

TEST(Parser, FilesThatCannotBeReadAreSkippedAndTheNextOneParses)
{
    LanguageDir dir;
    std::string pipe = dir.path + "/pipe.reg";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string good = pathIn(dir, "Application a { Version \"1\"; }\n", "good.reg");
    // A directory, a FIFO without a writer (its open must not wait), a
    // regular file whose read fails.
    for (const std::string& path : {dir.path, pipe, std::string("/proc/self/mem")}) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        KivParser bad(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 1);
        std::string out = testing::internal::GetCapturedStdout();
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(bad.errors, 1) << path;
        EXPECT_EQ(bad.ok, 0) << path;
        EXPECT_EQ(countOf(out, "Error: can't open " + path + "\n"), 1) << out;
        EXPECT_EQ(err, path == "/proc/self/mem" ? "read() in flex scanner failed\n" : "") << path;
        KivParser next(const_cast<char*>(good.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
        EXPECT_EQ(next.errors, 0) << path;
        ASSERT_NE(next.getAppReg(), nullptr);
        EXPECT_NE(next.getAppReg()->lookupApplication(const_cast<char*>("a")), nullptr);
        releaseRoots(next);
    }

    // A read that fails in the middle of a string: the file is given up
    // there, with one error and no syntax error for its cut end.
    long page = sysconf(_SC_PAGESIZE);
    char* area = static_cast<char*>(mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(area, MAP_FAILED);
    munmap(area + page, page);
    const std::string text = "Application cut {\n Version \"1\";\n Description { \"a";
    memcpy(area + page - text.size(), text.data(), text.size());
    FILE* stream = fopen("/proc/self/mem", "r");
    ASSERT_NE(stream, nullptr);
    ASSERT_GE(lseek(fileno(stream), static_cast<off_t>(reinterpret_cast<uintptr_t>(area + page - text.size())), SEEK_SET), 0);
    KivParser* parser = nullptr;
    parseResult(dir, "", &parser);
    parser->verbose = 1;
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
    EXPECT_EQ(countOf(out, "Error: "), 1) << out;
    EXPECT_EQ(countOf(out, "Error: can't open "), 1) << out;
    releaseRoots(*parser);
}

TEST(Parser, EachFileStartsInNormalMode)
{
    LanguageDir dir;
    // Cut right after a menu item's label: the scanner was left expecting
    // the item's mnemonic or accelerator.
    std::string cut = pathIn(dir, "Application a { MenuBar \"File\" { \"New\"", "cut.reg");
    std::string good = pathIn(dir, "Application b { Version \"1\"; }\n", "good.reg");
    KivParser first(const_cast<char*>(cut.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_GT(first.errors, 0);
    KivParser second(const_cast<char*>(good.c_str()), first.getAppReg(), 0);
    EXPECT_EQ(second.errors, 0);
    EXPECT_NE(second.getAppReg()->lookupApplication(const_cast<char*>("b")), nullptr);
    releaseRoots(second);
}

TEST(Parser, StringCutByAByteThatDoesNotDecodeIsWarnedAbout)
{
    if (!setlocale(LC_CTYPE, "C.UTF-8"))
        GTEST_SKIP() << "no C.UTF-8 locale";
    LanguageDir dir;
    // "Café Monitor" written in Latin-1, read as UTF-8.
    std::string path = pathIn(dir, "Application \"Caf\xe9 Monitor\" {\n Version \"1\";\n}\n");
    testing::internal::CaptureStdout();
    KivParser parser(const_cast<char*>(path.c_str()), static_cast<ApplicationRegistration*>(nullptr), 1);
    std::string out = testing::internal::GetCapturedStdout();
    setlocale(LC_CTYPE, "C");
    EXPECT_EQ(parser.errors, 0);
    EXPECT_EQ(parser.warnings, 1);
    EXPECT_EQ(countOf(out, "File: " + path + "\nLine: 1\nWarning: String \"Caf\": cut at a byte that does not "
                           "decode in the locale\n"),
              1)
        << out;
    // The value is what it always was.
    EXPECT_NE(parser.getAppReg()->lookupApplication(const_cast<char*>("Caf")), nullptr);
    releaseRoots(parser);
}
