#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"
#include "dump/DumpWriter.h"

#include <gtest/gtest.h>
#include <memory>

using namespace kivparser;

using namespace symtest;

namespace {

struct ParsedSymbols {
    std::unique_ptr<KivParser> parser;
    SymbolRegistration* reg;
    ~ParsedSymbols() { delete reg; }
};

// Parses `text` as a symbol file into a fresh registration.
void parseText(ParsedSymbols& out, const std::string& text)
{
    ScratchDir dir;
    out.parser.reset(parseFile(dir.write("test.srf", text), static_cast<SymbolRegistration*>(nullptr)));
    out.reg = out.parser->getSymReg();
}

} // namespace

// A type before its class, the class filling it, a second class definition,
// one type name under two classes, case-different class names, SEGMENT ;,
// ROTATION 30, the three capability kinds, LINESTYLE DASH then
// LINEDASHPATTERN 4, 2, and CURSORSIZE without a semicolon.
TEST(SymbolParse, GoldenDump)
{
    std::string messages;
    std::unique_ptr<KivParser> parser(
        parseFile(dataFile("symbols.srf"), static_cast<SymbolRegistration*>(nullptr), &messages));
    SymbolRegistration* reg = parser->getSymReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(parser->ok, 1);
    EXPECT_EQ(parser->errors, 0);
    EXPECT_EQ(parser->warnings, 2);
    size_t first = messages.find("Warning: SymbolClass Computer: duplicate definition(ignore)\n");
    size_t second = messages.find("Warning: SymbolType Router: duplicate definition(ignore)\n");
    EXPECT_NE(first, std::string::npos) << messages;
    EXPECT_NE(second, std::string::npos) << messages;
    EXPECT_LT(first, second);

    EXPECT_EQ(captureStdout([&] { reg->debugDump(); }), readFile(dataFile("symbols.dump")));
    EXPECT_EQ(Indent, 0);

    // The structure the dump cannot show.
    SymbolClass* computer = reg->lookupSymbolClass(const_cast<char*>("Computer"));
    ASSERT_NE(computer, nullptr);
    EXPECT_EQ(computer->locked, 2);
    ASSERT_NE(computer->segments, nullptr); // SEGMENT ; stores the head alone
    EXPECT_EQ(computer->segments->next(), nullptr);
    Capability* cap = computer->capabilities->next();
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->valueType, VLU_NA);
    EXPECT_EQ(cap->next()->valueType, VLU_STRING);
    EXPECT_EQ(cap->next()->next()->valueType, VLU_INTEGER);
    SymbolClass* lower = reg->lookupSymbolClass(const_cast<char*>("computer"));
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(lower->capabilities, nullptr); // the empty block cleared them
    EXPECT_NE(computer->lookupSymbolType(const_cast<char*>("Router")),
              lower->lookupSymbolType(const_cast<char*>("Router")));
    delete reg;
}

TEST(SymbolParse, FirstDefinitionWinsAcrossFiles)
{
    ScratchDir dir;
    std::string one = dir.write("one.srf", "symboltype Orphan : T { filebase t; }\n"
                                           "symboltype Net : Hub { filebase hub; }\n");
    std::string two = dir.write("two.srf", "symbolclass Net { scale 3; }\n"
                                           "symboltype Net : Hub { filebase late; }\n"
                                           "symbolclass Net { scale 4; }\n");
    SymbolRegistration* reg = new SymbolRegistration();
    std::unique_ptr<KivParser> first(parseFile(one, reg));
    EXPECT_EQ(first->ok, 1);
    EXPECT_EQ(first->warnings, 0); // a type of a class never defined is fine
    std::unique_ptr<KivParser> second(parseFile(two, reg));
    EXPECT_EQ(second->getSymReg(), reg);
    EXPECT_EQ(second->ok, 1);
    EXPECT_EQ(second->warnings, 2); // the type again, the class again
    SymbolClass* net = reg->lookupSymbolClass(const_cast<char*>("Net"));
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->scale, 3);
    EXPECT_STREQ(net->lookupSymbolType(const_cast<char*>("Hub"))->fileBase, "hub");
    SymbolClass* orphan = reg->lookupSymbolClass(const_cast<char*>("Orphan"));
    ASSERT_NE(orphan, nullptr);
    EXPECT_EQ(orphan->locked, 0);
    EXPECT_EQ(reg->symbolClasses->next(), orphan); // order of first appearance
    delete reg;
}

TEST(SymbolParse, ThousandClassesInOrder)
{
    std::string text;
    for (int i = 0; i < 1000; i++)
        text += "symbolclass C" + std::to_string(i) + " { scale " + std::to_string(i) + "; }\n"
                "symboltype C" + std::to_string(i) + " : T { cursorsize " + std::to_string(i) + " }\n";
    ParsedSymbols parsed;
    parseText(parsed, text);
    ASSERT_NE(parsed.reg, nullptr);
    EXPECT_EQ(parsed.parser->ok, 1);
    EXPECT_EQ(parsed.parser->warnings, 0);
    int count = 0;
    for (SymbolClass* c = parsed.reg->symbolClasses->next(); c; c = c->next(), count++) {
        ASSERT_EQ(c->scale, count);
        ASSERT_EQ(c->symbolTypes->next()->cursorSize, count);
    }
    EXPECT_EQ(count, 1000);
}

// A statement that fails costs one report; the block goes on and the symbol
// is still frozen at its end. What the failed statements had built is
// released (the leak checker watches).
TEST(SymbolParse, RecoveryInsideBlocks)
{
    ParsedSymbols parsed;
    parseText(parsed, "symbolclass A {\n"
                      "    segment (1, 2) to (3, ;\n"
                      "    capabilities { a; b = ; c = 5; }\n"
                      "    linedashpattern 1, ;\n"
                      "    cursorsize 7 thickness 3;\n"
                      "}\n"
                      "symbolclass A { scale 1; }\n");
    ASSERT_NE(parsed.reg, nullptr);
    EXPECT_EQ(parsed.parser->errors, 3);
    EXPECT_EQ(parsed.parser->warnings, 1);
    SymbolClass* a = parsed.reg->lookupSymbolClass(const_cast<char*>("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->segments, nullptr);
    EXPECT_EQ(a->line, nullptr);
    ASSERT_NE(a->capabilities, nullptr);
    EXPECT_STREQ(a->capabilities->next()->fieldName, "a");
    EXPECT_STREQ(a->capabilities->next()->next()->fieldName, "c");
    EXPECT_EQ(a->capabilities->next()->next()->value_integer, 5);
    EXPECT_EQ(a->cursorSize, 7);
    EXPECT_EQ(a->thickness, 3);
    EXPECT_EQ(a->scale, -1);
    EXPECT_EQ(a->locked, 2);
}

TEST(SymbolParse, UnfinishedFileReleasesHalfBuiltParts)
{
    const char* texts[] = {
        "symbolclass A { capabilities { a; b = \"x\";",
        "symbolclass A { segment (1, 2) to (3, 4) to",
        "symbolclass A { linedashpattern 1, 2",
        "symboltype A : B { linestyle",
    };
    for (const char* text : texts) {
        ParsedSymbols parsed;
        parseText(parsed, text);
        EXPECT_EQ(parsed.parser->ok, 0) << text;
        ASSERT_NE(parsed.reg, nullptr);
        SymbolClass* a = parsed.reg->symbolClasses->next();
        SymbolType* b = a->symbolTypes ? a->symbolTypes->next() : nullptr;
        for (_Symbol* symbol : {static_cast<_Symbol*>(a), static_cast<_Symbol*>(b)}) {
            if (!symbol)
                continue;
            EXPECT_EQ(symbol->capabilities, nullptr) << text;
            EXPECT_EQ(symbol->line, nullptr) << text;
            EXPECT_EQ(symbol->locked, 0) << text;
        }
        EXPECT_EQ(a->segments, nullptr) << text;
    }
}
