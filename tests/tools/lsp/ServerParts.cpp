// The parts of the language server that the protocol tests reach only
// roughly: the message reader's framing, the positions of the protocol in
// UTF-16 and in bytes, the editor's scanner, what the cursor is on, file URIs.
// A program of its own (kivparser_lsp_tests): it is built from the tool's
// sources, which the library's test program does not have.
#include "lsp/CursorContext.h"
#include "lsp/FileUri.h"
#include "lsp/MessageReader.h"
#include "lsp/SourceScanner.h"
#include "lsp/TextDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The messages and errors of a stream, pushed `chunk` bytes at a time.
std::vector<std::string> frames(const std::string& stream, std::size_t chunk)
{
    std::vector<std::string> found;
    MessageReader reader;
    std::size_t at = 0;
    while (at < stream.size()) {
        std::size_t n = std::min(chunk, stream.size() - at);
        at += reader.push(stream.data() + at, n);
        switch (reader.next()) {
        case MessageReader::Result::Message:
            found.push_back("message " + reader.body());
            break;
        case MessageReader::Result::FramingError:
            found.push_back("error " + reader.error());
            break;
        case MessageReader::Result::NeedMore:
            break;
        }
    }
    if (!reader.atBoundary())
        found.push_back("unfinished");
    return found;
}

} // namespace

TEST(MessageReader, FramesWhateverThePiecesTheyArriveIn)
{
    struct Case {
        std::string stream;
        std::vector<std::string> expected;
    };
    const std::string big = "Content-Length: 99999999999999999999999\r\n\r\n";
    const std::vector<Case> cases = {
        {"Content-Length: 2\r\n\r\n{}", {"message {}"}},
        {"content-length:2\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n[]", {"message []"}},
        {"Content-Length: 1\n\nx", {"message x"}},                                // bare line feeds
        {"\r\n\r\nContent-Length: 1\r\n\r\nx", {"message x"}},                     // blank lines between messages
        {"Content-Length: 0\r\n\r\nContent-Length: 1\r\n\r\ny", {"message ", "message y"}},
        {"Content-Length: 3 \r\n\r\nabcContent-Length: 1\r\n\r\nd", {"message abc", "message d"}},
        {"Content-Type: x\r\n\r\nContent-Length: 1\r\n\r\nz", {"error header block without Content-Length", "message z"}},
        {"Content-Length: 1x\r\n\r\nContent-Length: 1\r\n\r\nz", {"error Content-Length is not a number", "message z"}},
        {"Content-Length: \r\n\r\n", {"error Content-Length is not a number"}},
        {"Content-Length: 70000000\r\n\r\n" + std::string(100, 'a'), {"error message body longer than 64 MiB", "unfinished"}},
        {big, {"error message body longer than 64 MiB", "unfinished"}},
        {"Content-Length: 5\r\n\r\nab", {"unfinished"}},
        {std::string(9000, 'h'), {"error header block longer than 8192 bytes", "unfinished"}},
    };
    for (const Case& c : cases) {
        for (std::size_t chunk : {std::size_t(1), std::size_t(3), c.stream.size()}) {
            EXPECT_EQ(frames(c.stream, chunk), c.expected) << c.stream.substr(0, 60) << " in pieces of " << chunk;
        }
    }
    // The reader asks for no byte past the message at hand.
    MessageReader reader;
    const std::string one = "Content-Length: 4\r\n\r\n";
    for (char c : one) {
        EXPECT_EQ(reader.wanted(), 1u);
        reader.push(&c, 1);
    }
    EXPECT_EQ(reader.wanted(), 4u);
}

TEST(TextDocument, PositionsInUtf16UnitsAndInBytes)
{
    // "é" is 2 bytes and 1 unit, "😀" 4 bytes and 2 units, a byte that starts
    // no sequence 1 byte and 1 unit.
    TextDocument text("ab\r\n\xc3\xa9x\xf0\x9f\x98\x80y\xffz\nlast");
    using Units = TextDocument::Units;
    struct Case {
        int line, character;
        Units units;
        std::size_t offset;
    };
    const std::vector<Case> cases = {
        {0, 0, Units::Utf16, 0},  {0, 2, Units::Utf16, 2},  {0, 9, Units::Utf16, 3},  // clamped before the LF
        {1, 1, Units::Utf16, 6},  {1, 2, Units::Utf16, 7},  {1, 4, Units::Utf16, 11}, {1, 5, Units::Utf16, 12},
        {1, 6, Units::Utf16, 13}, {1, 7, Units::Utf16, 14}, {1, 7, Units::Utf8, 11},  {2, 4, Units::Utf8, 19},
        {9, 0, Units::Utf16, 19},
    };
    for (const Case& c : cases) {
        TextPosition position{c.line, c.character};
        EXPECT_EQ(text.offsetAt(position, c.units), c.offset) << c.line << ":" << c.character;
    }
    EXPECT_EQ(text.positionAt(11, Units::Utf16).character, 4);
    EXPECT_EQ(text.positionAt(11, Units::Utf8).character, 7);
    // The library's places: lines from 1, columns from 1 in bytes.
    TextPosition y = text.fromSource(2, 8, Units::Utf16);
    EXPECT_EQ(y.line, 1);
    EXPECT_EQ(y.character, 4);
    EXPECT_EQ(text.lineText(0), "ab");
    TextRange range = text.lineRange(2, Units::Utf16); // lines from 1, as the library counts
    EXPECT_EQ(range.end.character, 7);

    TextRange replaced{{1, 4}, {1, 5}}; // the "y" after the emoji
    text.replace(&replaced, "Y\nnew", Units::Utf16);
    EXPECT_EQ(text.lineText(1), "\xc3\xa9x\xf0\x9f\x98\x80Y");
    EXPECT_EQ(text.lineText(2), "new\xffz");
    EXPECT_EQ(text.lineCount(), 4);
}

TEST(SourceScanner, WordsStringsCommentsAndBlocks)
{
    const std::string text = "/* a /* nested */ comment { */\n"
                             "Application \"A \\\"quoted\\\" {\" {\n"
                             "  // a line comment {\n"
                             "  MenuBar <10> \"M\" _M { \"x\" f.action 'y'; }\n"
                             "#ifdef X\n"
                             "  Action z { }\n"
                             "#endif\n"
                             "}\n"
                             "Field \"open";
    SourceScanner scanner(text);
    std::vector<std::string> words;
    for (const SourceScanner::Token& token : scanner.tokens())
        words.push_back(token.text);
    const std::vector<std::string> expected = {"Application", "A \"quoted\" {", "{", "MenuBar", "<", "10", ">", "M",
                                               "_M", "{", "x", "f.action", "y", ";", "}", "#ifdef X", "Action",
                                               "z", "{", "}", "#endif", "}", "Field", "open"};
    EXPECT_EQ(words, expected);
    ASSERT_EQ(scanner.blocks().size(), 3u);
    EXPECT_EQ(scanner.tokens()[scanner.blocks()[0].head].text, "Application");
    EXPECT_EQ(scanner.tokens()[scanner.blocks()[1].head].text, "MenuBar");
    EXPECT_EQ(scanner.tokens()[scanner.blocks()[2].head].text, "Action");
    EXPECT_EQ(scanner.blocks()[1].depth, 1);
    EXPECT_FALSE(scanner.tokens().back().closed); // the string the input cut
    EXPECT_EQ(scanner.comments().size(), 0u);     // the block comment is on one line
    EXPECT_TRUE(scanner.inCommentOrString(text.find("nested")));
    EXPECT_TRUE(scanner.inCommentOrString(text.find("a line comment")));
    EXPECT_FALSE(scanner.inCommentOrString(text.find("MenuBar")));
    EXPECT_TRUE(scanner.inCommentOrString(text.size()));
}

TEST(CursorContext, WhatTheCursorIsOn)
{
    // The cursor stands at the "|".
    struct Case {
        const char* text;
        CursorContext::What what;
        NameKind kind;
        const char* name;
        NameKind typing;
    };
    using W = CursorContext::What;
    const std::vector<Case> cases = {
        {"Application \"A\" { MenuBar <5> \"T|ools\" _T { } }", W::Definition, NameKind::MenuBar, "Tools", NameKind::None},
        {"Application \"A\" { Menu \"M|\" { } }", W::Definition, NameKind::Menu, "M", NameKind::None},
        {"Application \"A\" { Menu \"M\" { \"x\" f.action \"R|un\"; } }", W::Use, NameKind::Action, "Run", NameKind::Action},
        {"Application \"A\" { Menu \"M\" { \"x\" f.menu \"Sub|\"; } }", W::Use, NameKind::Menu, "Sub", NameKind::Menu},
        {"Application \"A\" { PopupItem <1> \"P\" context c targetsymboltype any f.menu \"N|\"; }", W::Use,
         NameKind::PopupMenu, "N", NameKind::PopupMenu},
        {"Application \"A\" { Tab \"T\" { \"x\" f.list \"L|\"; } }", W::Use, NameKind::List, "L", NameKind::List},
        {"Application \"A\" { Menu \"M\" { \"x\" f.action |", W::Nothing, NameKind::None, "", NameKind::Action},
        {"Application \"A\" { Act|ion \"B\" { } }", W::Keyword, NameKind::None, "", NameKind::None},
        {"SymbolType \"C\" : \"T|\" { }", W::Definition, NameKind::SymbolType, "T", NameKind::None},
        {"Application \"A\" { // f.action \"X|\"\n }", W::Nothing, NameKind::None, "", NameKind::None},
        {"Application \"A\" { Description { \"a |line\" } }", W::Nothing, NameKind::None, "", NameKind::None},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        std::size_t cursor = text.find('|');
        text.erase(cursor, 1);
        SourceScanner scanner(text);
        CursorContext context(scanner, cursor);
        EXPECT_EQ(context.what, c.what) << c.text;
        EXPECT_EQ(context.kind, c.kind) << c.text;
        EXPECT_EQ(context.name, c.name) << c.text;
        EXPECT_EQ(context.typing, c.typing) << c.text;
        if (text.compare(0, 11, "Application") == 0 && c.what != W::Nothing) {
            EXPECT_EQ(context.application, "A") << c.text;
        }
    }
    SourceScanner scanner("SymbolType \"C\" : \"T\" { }");
    EXPECT_EQ(CursorContext(scanner, 18).symbolClass, "C");
}

TEST(FileUri, PathsAndUris)
{
    EXPECT_EQ(FileUri::toPath("file:///tmp/a%20b/%C3%A9"), "/tmp/a b/\xc3\xa9");
    EXPECT_EQ(FileUri::toPath("file://localhost/etc/x"), "/etc/x");
    EXPECT_EQ(FileUri::toPath("FILE:///x?query#part"), "/x");
    EXPECT_EQ(FileUri::toPath("file://otherhost/x"), "");
    EXPECT_EQ(FileUri::toPath("untitled:Untitled-1"), "");
    EXPECT_EQ(FileUri::toPath("file:///bad%zzescape"), "/bad%zzescape");
    EXPECT_EQ(FileUri::fromPath("/tmp/a b/\xc3\xa9#1"), "file:///tmp/a%20b/%C3%A9%231");
    EXPECT_EQ(FileUri::toPath(FileUri::fromPath("/odd/[name]%")), "/odd/[name]%");
}
