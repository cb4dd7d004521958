#include "language/TokenScan.h"
#include "language/grammar.tab.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

// Columns are bytes, 1-based: each case is a text and the positions of its
// tokens as "line:column-endLine:endColumn" (the end exclusive), in order.
namespace {

struct PositionCase {
    const char* name;
    const char* locale;
    std::string text;
    bool labels;
    std::vector<std::string> spans;
};

std::string spanOf(const ScannedToken& token)
{
    std::ostringstream out;
    out << token.startLine << ':' << token.column << '-' << token.endLine << ':' << token.endColumn;
    return out.str();
}

} // namespace

TEST(TokenPositions, ColumnsAreBytesFromOne)
{
    const std::vector<PositionCase> cases = {
        {"plain", "C", "Menu \"File\" {\n  x;\n}\n", false,
         {"1:1-1:5", "1:6-1:12", "1:13-1:14", "2:3-2:4", "2:4-2:5", "3:1-3:2"}},
        // A tab is one byte.
        {"tabs", "C", "\tMenu\t\"F\"\t{\n\t\t}\n", false, {"1:2-1:6", "1:7-1:10", "1:11-1:12", "2:3-2:4"}},
        // The carriage return of CR LF is dropped before the scanner sees it.
        {"crlf", "C", "Menu \"F\"\r\n  {\r\n}\r\n", false, {"1:1-1:5", "1:6-1:9", "2:3-2:4", "3:1-3:2"}},
        // A multibyte character counts its bytes, in a string and before a token.
        {"utf8", "C.UTF-8", "\"\xc3\xa9t\xc3\xa9\" x\n\"\xe2\x80\xa6\";", false, {"1:1-1:8", "1:9-1:10", "2:1-2:6", "2:6-2:7"}},
        {"utf8 in C", "C", "\"\xc3\xa9\" x", false, {"1:1-1:5", "1:6-1:7"}},
        // A string over two lines ends on the second; comments take their bytes.
        {"multiline string", "C", "a \"one\ntwo\" b /* c\n d */ e // f\ng", false,
         {"1:1-1:2", "1:3-2:5", "2:6-2:7", "3:7-3:8", "4:1-4:2"}},
        // A cut "-initial" and a quoted keyword's prefix go back to one byte.
        {"cut back", "C", "-in x \"sym\"", false, {"1:1-1:2", "1:2-1:4", "1:5-1:6", "1:7-1:12"}},
        // An accelerator after a label (its span takes the blank before the
        // function); the reader's look-ahead is given back.
        {"accelerator", "C", "\"Open\" Ctrl<Key>o f.action x;", true,
         {"1:1-1:7", "1:8-1:19", "1:19-1:27", "1:28-1:29", "1:29-1:30"}},
        // A directive and the stretch it skips.
        {"directive", "C", "a\n#ifdef NOTHING_DEFINED\nb \"c\nd\"\n#endif\n  e", false, {"1:1-1:2", "6:3-6:4"}},
        // Backslashes between tokens are blanks.
        {"continued", "C", "a \\\n  b", false, {"1:1-1:2", "2:3-2:4"}},
    };
    for (const PositionCase& c : cases) {
        LocaleGuard locale(c.locale);
        TempDir dir;
        auto tokens = TokenScan::scanFile(dir.file("positions.reg", c.text).c_str(), c.labels);
        std::vector<std::string> spans;
        for (const ScannedToken& token : tokens)
            spans.push_back(spanOf(token));
        EXPECT_EQ(spans, c.spans) << c.name;
    }
}

// Long comments and strings cross the readers' buffers: the column after
// them is still right.
TEST(TokenPositions, ColumnsAcrossBuffers)
{
    TempDir dir;
    std::string comment = "/*" + std::string(20000, 'x') + "*/ a";
    std::string text = comment + "\n\"" + std::string(9000, 'y') + "\" b\n" + std::string(17000, ' ') + "c";
    auto tokens = TokenScan::scanFile(dir.file("long.reg", text).c_str());
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(spanOf(tokens[0]), "1:" + std::to_string(comment.size()) + "-1:" + std::to_string(comment.size() + 1));
    EXPECT_EQ(spanOf(tokens[1]), "2:1-2:9003");
    EXPECT_EQ(spanOf(tokens[2]), "2:9004-2:9005");
    EXPECT_EQ(spanOf(tokens[3]), "3:17001-3:17002");
}
