#include "language/LanguageFiles.h"
#include "language/TokenScan.h"
#include "language/Lex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

using namespace kivparser;

using Tokens = std::vector<int>;

TEST(Scanner, KeywordsMatchInAnyCaseAndOnlyWhole)
{
    LanguageDir dir;
    auto tokens = scanText(dir,
        "MenuBar menubar MENUBAR menubars \"symbolalert\" SymbolAlert\n"
        "string StringType general Global helpfile XHelpFile webwindow toolbarbutton\n"
        "-initial -SHARED -disablesymdelete True FALSE");
    EXPECT_EQ(tokenNumbers(tokens),
              (Tokens{MENUBAR, MENUBAR, MENUBAR, IDENTIFIER, SYMBOLALERT, SYMBOLALERT,
                      STRINGTYPE, STRINGTYPE, GLOBAL, GLOBAL, XHELPFILE, XHELPFILE, WINDOW, BUTTON,
                      F_INITIAL, F_SHARED, F_DISABLESYMDELETE, INTVAL, INTVAL}));
    EXPECT_EQ(tokens[3].text, "menubars");
    EXPECT_EQ(tokens[17].value, 1);
    EXPECT_EQ(tokens[18].value, 0);
}

TEST(Scanner, FunctionReferences)
{
    LanguageDir dir;
    auto tokens = scanText(dir, "f.menu F.Action f. fx.menu f.a.b_c");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{FUNCTION, FUNCTION, FUNCTION, IDENTIFIER, FUNCTION}));
    EXPECT_EQ(tokens[0].text, "menu");
    EXPECT_EQ(tokens[1].text, "Action");
    EXPECT_TRUE(tokens[2].hasText);
    EXPECT_EQ(tokens[2].text, "");
    EXPECT_EQ(tokens[3].text, "fx.menu");
    EXPECT_EQ(tokens[4].text, "a.b_c");
}

TEST(Scanner, NumbersTakeOnlyAMinusSign)
{
    LanguageDir dir;
    auto tokens = scanText(dir, "-12 - 12 1.5 +3 007");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{INTVAL, LEXERR, INTVAL, INTVAL, LEXERR, INTVAL, LEXERR, INTVAL, INTVAL}));
    EXPECT_EQ(tokens[0].value, -12);
    EXPECT_EQ(tokens[2].value, 12);
    EXPECT_EQ(tokens[3].value, 1);
    EXPECT_EQ(tokens[5].value, 5);
    EXPECT_EQ(tokens[7].value, 3);
    EXPECT_EQ(tokens[8].value, 7);

    // Values are not range-checked: what atoi makes of them.
    const char* const big[] = {"2147483648", "-2147483649", "4294967297", "-9223372036854775808",
                               "9223372036854775808", "-99999999999999999999", "000000000000000000000012"};
    for (const char* text : big) {
        tokens = scanText(dir, text);
        ASSERT_EQ(tokenNumbers(tokens), (Tokens{INTVAL})) << text;
        EXPECT_EQ(tokens[0].value, atoi(text)) << text;
    }
}

TEST(Scanner, StringsEscapesQuotesAndLines)
{
    LanguageDir dir;
    auto tokens = scanText(dir,
        "\"a\\\"b\" \"x\\n\" 'say \"hi\"' \"it's\" \"back\\\\slash\"\n"
        "\"one\ntwo\nthree\" after \"joined\\\nline\" \"# not a directive\" 'open");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{STRING, STRING, STRING, STRING, STRING, STRING, IDENTIFIER, STRING,
                                            STRING, STRING}));
    EXPECT_EQ(tokens[0].text, "a\"b");
    EXPECT_EQ(tokens[1].text, "xn");
    EXPECT_EQ(tokens[2].text, "say \"hi\"");
    EXPECT_EQ(tokens[3].text, "it's");
    EXPECT_EQ(tokens[4].text, "back\\slash");
    EXPECT_EQ(tokens[5].text, "one\ntwo\nthree");
    // Newlines inside strings count: the string starts on line 2 and ends on 4.
    EXPECT_EQ(tokens[5].line, 4);
    EXPECT_EQ(tokens[6].text, "after");
    EXPECT_EQ(tokens[7].text, "joinedline");
    EXPECT_EQ(tokens[7].line, 5);
    EXPECT_EQ(tokens[8].text, "# not a directive");
    // An unterminated string ends with the input.
    EXPECT_EQ(tokens[9].text, "open");
}

TEST(Scanner, CommentsNestAndCountLines)
{
    LanguageDir dir;
    auto tokens = scanText(dir,
        "a /* outer /* inner */ still\n comment */ b // rest ; {\n"
        "c /*/ x */ d /* unterminated\n e");
    EXPECT_EQ(identifiers(tokens), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(tokens[1].line, 2);
    EXPECT_EQ(tokens[2].line, 3);
}

TEST(Scanner, MenuItemTailInAcceleratorMode)
{
    LanguageDir dir;
    auto tokens = scanText(dir, "\"File\" _File Ctrl<Key>F f.menu File;\n"
                                "\"x\" _x ! \"ls\";\n"
                                "\"y\" Alt<Key>Y context foo f.action a;\n"
                                "\"z\" <Key>F1   \n f.action z;\n"
                                "\"w\" Shift<Key>W F.Action w;\n"
                                "\"v\" context (a && b) !\"cmd\";\n"
                                "\"u\" Meta<Key>X!y f.action u;\n"
                                "\"t\" Ctrl<Key>T fx F.action t;\n",
                           true);
    ASSERT_EQ(tokenNumbers(tokens),
              (Tokens{STRING, MNEMONIC, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON,
                      STRING, MNEMONIC, OP_NOT, STRING, SEMICOLON,
                      STRING, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON,
                      STRING, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON,
                      STRING, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON,
                      STRING, CONTEXT, LPAREN, IDENTIFIER, OP_AND, IDENTIFIER, RPAREN, OP_NOT, STRING, SEMICOLON,
                      STRING, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON,
                      STRING, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON}));
    EXPECT_EQ(tokens[1].text, "File");
    EXPECT_EQ(tokens[2].text, "Ctrl<Key>F");
    EXPECT_EQ(tokens[3].text, "menu");
    EXPECT_EQ(tokens[7].text, "x");
    // A context clause after an accelerator on the same line is part of it.
    EXPECT_EQ(tokens[12].text, "Alt<Key>Y context foo");
    // The end of the line ends an accelerator, without the trailing blanks.
    EXPECT_EQ(tokens[17].text, "<Key>F1");
    EXPECT_EQ(tokens[18].line, 5);
    EXPECT_EQ(tokens[22].text, "Shift<Key>W");
    EXPECT_EQ(tokens[23].text, "Action");
    // "!" ends an accelerator only after white space.
    EXPECT_EQ(tokens[37].text, "Meta<Key>X!y");
    // Only "f." after white space ends it; an "f" starting another word does not.
    EXPECT_EQ(tokens[42].text, "Ctrl<Key>T fx");
    EXPECT_EQ(tokens[43].text, "action");
}

TEST(Scanner, CharactersNoPatternTakes)
{
    LanguageDir dir;
    std::string text = "& | . / * ~ $ % + ? [ ] \r \f \v \x80 \xff _ x";
    auto tokens = scanText(dir, text);
    Tokens expected(18, LEXERR);
    expected.push_back(IDENTIFIER);
    EXPECT_EQ(tokenNumbers(tokens), expected);

    // Inside strings such characters are text.
    tokens = scanText(dir, "\"\r\f\v\x80&|\"");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{STRING}));
    EXPECT_EQ(tokens[0].text, "\r\f\v\x80&|");
}

TEST(Scanner, WindowsLineEndsAlsoAcrossReads)
{
    LanguageDir dir;
    // Statements whose carriage return is the last byte of the first
    // 8192-byte read and whose line feed is the first byte of the next.
    std::string unix;
    std::string windows;
    int lines = 0;
    while (windows.size() < 8150) {
        unix += "name a;\n";
        windows += "name a;\r\n";
        lines++;
    }
    std::string filler(8191 - windows.size(), 'x');
    unix += filler + "\n";
    windows += filler + "\r\n";
    ASSERT_EQ(windows[8191], '\r');
    ASSERT_EQ(windows[8192], '\n');
    unix += "b\n\"in\rstring\" c\r d\n";
    windows += "b\r\n\"in\rstring\" c\r d\r\n";

    auto fromUnix = TokenScan::scanFile(dir.write("unix.reg", unix).c_str());
    auto fromWindows = TokenScan::scanFile(dir.write("windows.reg", windows).c_str());
    ASSERT_EQ(fromWindows.size(), fromUnix.size());
    for (size_t i = 0; i < fromUnix.size(); i++) {
        EXPECT_EQ(fromWindows[i].token, fromUnix[i].token) << i;
        EXPECT_EQ(fromWindows[i].text, fromUnix[i].text) << i;
        EXPECT_EQ(fromWindows[i].line, fromUnix[i].line) << i;
    }
    // A carriage return elsewhere stays: text in a string, LEXERR outside.
    size_t n = fromWindows.size();
    ASSERT_GE(n, 5u);
    EXPECT_EQ(fromWindows[n - 4].text, "in\rstring");
    EXPECT_EQ(fromWindows[n - 2].token, LEXERR);
    EXPECT_EQ(fromWindows[n - 1].line, lines + 3);
}

TEST(Scanner, OverlongAndOddInputIsCutNotOverrun)
{
    LanguageDir dir;
    // A 100-KiB string keeps what fits its buffer; the rest is read and dropped.
    std::string big(100 * 1024, 'q');
    auto tokens = scanText(dir, "\"" + big + "\" after");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{STRING, IDENTIFIER}));
    EXPECT_EQ(tokens[0].text, std::string(8191, 'q'));

    // An identifier longer than the scanner's buffer is still one token.
    std::string ident = "i" + std::string(64 * 1024, 'd');
    tokens = scanText(dir, ident + " ;");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{IDENTIFIER, SEMICOLON}));
    EXPECT_EQ(tokens[0].text, ident);

    // Mnemonics and accelerators share the string buffer's limit.
    tokens = scanText(dir, "\"m\" _" + big + " " + big + "\n", true);
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{STRING, MNEMONIC, ACCELERATOR}));
    EXPECT_EQ(tokens[1].text.size(), 8191u);
    EXPECT_EQ(tokens[2].text.size(), 8191u);

    // A NUL byte is a character no pattern takes; in a string it ends the value.
    tokens = scanText(dir, std::string("a\0b \"x\0y\" c", 11));
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{IDENTIFIER, LEXERR, IDENTIFIER, STRING, IDENTIFIER}));
    EXPECT_EQ(tokens[3].text, "x");
}

TEST(Scanner, LongReadsLeaveTheBufferAsItWas)
{
    LanguageDir dir;
    scanText(dir, "a");
    size_t bufferSize = lexBufferSize();
    // A reader's text is not kept as one token: growing the buffer for it
    // made long texts cost memory by their size and time by its square.
    std::string big(1 << 20, 'x');
    const std::string texts[] = {"/*" + big + "*/ a", "// " + big + "\na", "\"" + big + "\" a",
                                 "#ifdef NOT_SET\n" + big + "\n#endif\na"};
    for (const std::string& text : texts) {
        auto tokens = scanText(dir, text);
        ASSERT_FALSE(tokens.empty());
        EXPECT_EQ(tokens.back().text, "a");
        EXPECT_EQ(lexBufferSize(), bufferSize) << text.substr(0, 16);
    }
    auto tokens = scanText(dir, "\"m\" _" + big + " Ctrl<Key>" + big + "\n a", true);
    EXPECT_EQ(tokenNumbers(tokens), (Tokens{STRING, MNEMONIC, ACCELERATOR, IDENTIFIER}));
    EXPECT_EQ(lexBufferSize(), bufferSize);
}

TEST(Scanner, MultibyteCharactersAreReadWhole)
{
    setenv("LOCPATH", KIVPARSER_TEST_LOCPATH, 1);
    if (!setlocale(LC_CTYPE, "zh_TW.BIG5"))
        GTEST_SKIP() << "the test locale zh_TW.BIG5 could not be built here";
    LanguageDir dir;
    // The second byte of this character is a backslash: read whole, it
    // neither escapes the closing quote nor ends a mnemonic early.
    const std::string xu = "\xb3\x5c";
    auto tokens = scanText(dir, "\"" + xu + "\" \"a" + xu + "\\\"b\" /* " + xu + " */ x\n"
                                "\"bad \xff\x30 byte\"");
    auto item = scanText(dir, "\"m\" _" + xu + "k Ctrl<Key>" + xu + " f.action a;\n", true);
    setlocale(LC_CTYPE, "C");
    ASSERT_EQ(tokenNumbers(tokens), (Tokens{STRING, STRING, IDENTIFIER, STRING}));
    EXPECT_EQ(tokens[0].text, xu);
    EXPECT_EQ(tokens[1].text, "a" + xu + "\"b");
    ASSERT_EQ(tokenNumbers(item), (Tokens{STRING, MNEMONIC, ACCELERATOR, FUNCTION, IDENTIFIER, SEMICOLON}));
    EXPECT_EQ(item[1].text, xu + "k");
    EXPECT_EQ(item[2].text, "Ctrl<Key>" + xu);
    // A byte that starts no character is read as the character 0, which
    // ends the value; the bytes after it are read again.
    EXPECT_EQ(tokens[3].text, "bad ");
}

// ---- The token streams of whole inputs, against a recording -------------

namespace {

// FNV-1a over everything a token carries.
struct StreamDigest {
    uint64_t hash = 14695981039346656037ull;
    void add(const void* data, size_t size)
    {
        for (size_t i = 0; i < size; i++)
            hash = (hash ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
    }
    void add(int value) { add(&value, sizeof value); }
};

uint64_t digestOf(const std::vector<ScannedToken>& tokens)
{
    StreamDigest digest;
    for (const ScannedToken& token : tokens) {
        digest.add(token.token);
        digest.add(token.hasText ? 1 : 0);
        digest.add(static_cast<int>(token.text.size()));
        digest.add(token.text.data(), token.text.size());
        digest.add(token.value);
        digest.add(token.line);
    }
    return digest.hash;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The inputs, by name and path: registration files of the tests and samples
// (named by their path from the project's top), then the saved inputs of the
// fuzz targets, each a line "== <length>" and that many bytes in one file,
// written to `dir` one by one.
std::vector<std::pair<std::string, std::string>> recordedInputs(const std::string& top, LanguageDir& dir)
{
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const char* tree : {"tests/data", "examples/etc"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top + "/" + tree)) {
            std::string ext = entry.path().extension().string();
            std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && ext != ".dump" && ext != ".py" && ext != ".out" && ext != ".msg"
                && ext != ".template" && name != "token-corpus" && name != "token-streams")
                inputs.emplace_back(entry.path().string().substr(top.size() + 1), entry.path().string());
        }
    std::sort(inputs.begin(), inputs.end());
    std::string corpus = fileBytes(top + "/tests/data/language/token-corpus");
    for (size_t at = 0, n = 0; at < corpus.size(); n++) {
        size_t eol = corpus.find('\n', at);
        size_t length = std::stoul(corpus.substr(at + 3, eol - at - 3));
        std::string name = "corpus/" + std::to_string(n);
        inputs.emplace_back(name, dir.write("corpus-" + std::to_string(n), corpus.substr(eol + 1, length)));
        at = eol + 1 + length + 1;
    }
    return inputs;
}

} // namespace

// Every input scanned alone, plainly and with menu-item labels, in a
// single-byte and two multibyte locales: kinds, values and lines as recorded
// in tests/data/language/token-streams (KIVPARSER_RECORD_TOKENS=<file>
// writes a new recording). An input whose bytes changed since is skipped.
TEST(Scanner, TokenStreamsMatchTheRecording)
{
    std::string top = std::string(KIVPARSER_TEST_DATA) + "/../..";
    const char* recordTo = getenv("KIVPARSER_RECORD_TOKENS");
    std::map<std::string, std::string> recorded;
    std::ifstream in(top + "/tests/data/language/token-streams");
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            recorded[line.substr(line.find(' ') + 1)] = line.substr(0, line.find(' '));
    std::ostringstream record;
    int compared = 0;
    int skipped = 0;

    LanguageDir dir;
    auto inputs = recordedInputs(top, dir);
    std::vector<uint64_t> contents;
    for (const auto& input : inputs) {
        std::string bytes = fileBytes(input.second);
        StreamDigest content;
        content.add(bytes.data(), bytes.size());
        contents.push_back(content.hash);
    }
    for (const char* locale : {"C", "C.UTF-8", "zh_TW.BIG5"}) {
        if (strcmp(locale, "zh_TW.BIG5") == 0)
            setenv("LOCPATH", KIVPARSER_TEST_LOCPATH, 1);
        if (!setlocale(LC_CTYPE, locale)) {
            ADD_FAILURE() << "locale " << locale << " missing";
            continue;
        }
        for (size_t i = 0; i < inputs.size(); i++) {
            for (bool labels : {false, true}) {
                skipElse = 0;
                auto tokens = TokenScan::scanFile(inputs[i].second.c_str(), labels);
                char key[512];
                snprintf(key, sizeof key, "%016llx %s %d %s", static_cast<unsigned long long>(contents[i]), locale,
                         labels ? 1 : 0, inputs[i].first.c_str());
                char value[64];
                snprintf(value, sizeof value, "%zu:%016llx", tokens.size(),
                         static_cast<unsigned long long>(digestOf(tokens)));
                record << value << ' ' << key << '\n';
                auto found = recorded.find(key);
                if (found == recorded.end()) {
                    skipped++;
                    continue;
                }
                EXPECT_EQ(found->second, value) << key;
                compared++;
            }
        }
    }
    setlocale(LC_CTYPE, "C");
    unsetenv("LOCPATH");
    if (recordTo) {
        std::ofstream out(recordTo);
        out << "# <tokens>:<FNV-1a of kinds, texts, values, lines> <FNV-1a of the input> <locale> <labels> <input>\n"
            << record.str();
        GTEST_SKIP() << "recorded to " << recordTo;
    }
    std::cout << compared << " token streams compared, " << skipped << " inputs changed or new\n";
    EXPECT_GT(compared, 2000);
}
