#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using namespace kivparser;

using namespace symtest;

// Flags empty, LIST and GLOBAL, given twice; enumerations a, b, c (stored
// c, b, a) and replaced; a field defined again in a second file.
TEST(FieldParse, GoldenDumpOverTwoFiles)
{
    std::unique_ptr<KivParser> first(parseFile(dataFile("fields1.frf"), static_cast<FieldRegistration*>(nullptr)));
    FieldRegistration* reg = first->getFldReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(first->ok, 1);
    EXPECT_EQ(first->warnings, 0);
    std::string messages;
    std::unique_ptr<KivParser> second(parseFile(dataFile("fields2.frf"), reg, &messages));
    EXPECT_EQ(second->getFldReg(), reg);
    EXPECT_EQ(second->ok, 1);
    EXPECT_EQ(second->errors, 0);
    EXPECT_EQ(second->warnings, 1);
    EXPECT_NE(messages.find("Line: 2\nWarning: Field Status: duplicate definition(ignore)\n"), std::string::npos)
        << messages;
    EXPECT_EQ(captureStdout([&] { reg->debugDump(); }), readFile(dataFile("fields.dump")));
    Field* empty = reg->lookupField(const_cast<char*>("Empty"));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->locked, 1);
    EXPECT_EQ(empty->fieldEnumerations, nullptr);
    delete reg;
}

// Within one file a second definition is reported too, and a failed statement
// leaves the rest of the block working.
TEST(FieldParse, DuplicateInOneFileAndRecovery)
{
    ScratchDir dir;
    std::string path = dir.write("f.frf", "field A { flags list global; type boolean; enumeration x, ; displaystring \"d\"; }\n"
                                          "field A { type integer32; displaystring \"late\"; enumeration q; }\n");
    std::unique_ptr<KivParser> parser(parseFile(path, static_cast<FieldRegistration*>(nullptr)));
    FieldRegistration* reg = parser->getFldReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(parser->errors, 2);
    EXPECT_EQ(parser->warnings, 1);
    Field* a = reg->lookupField(const_cast<char*>("A"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->next(), nullptr);
    EXPECT_EQ(a->fieldType, FLD_BOOLEAN);
    EXPECT_EQ(a->fieldFlag, 0u);
    EXPECT_EQ(a->fieldEnumerations, nullptr);
    EXPECT_STREQ(a->displayString, "d");
    delete reg;
}
