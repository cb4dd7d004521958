#include "support/ParsedFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace kivparser;

// Files that use every statement of each registration kind
// (tests/data/language/grammar): the grammar takes all of them.
TEST(Grammar, EveryStatementOfEveryKindIsAccepted)
{
    for (const char* kind : {"arf", "srf", "frf", "svrf"}) {
        ParsedFile parsed(std::string(KIVPARSER_TEST_DATA) + "/language/grammar/every-statement." + kind);
        EXPECT_EQ(parsed->errors, 0) << parsed.out;
        EXPECT_EQ(parsed->warnings, 0) << parsed.out;
    }
}

TEST(Grammar, KindsDoNotMixAndStatementsStayInTheirBlocks)
{
    const char* const texts[] = {
        // One application per file; a symbol file holds no fields, a field
        // file no symbols.
        "Application a { } Application b { }",
        "SymbolClass c { } Field f { }",
        "Field f { } SymbolType c : t { }",
        // Statements of one block are errors in another.
        "Application a { Action x { MenuBar m { } } }",
        "SymbolType c : t { Scale 2; }",
        // A drop action has no empty statement; a window block cannot be empty.
        "Application a { DropAction d { ; } }",
        "Application a { Action x { WebWindow w { } } }",
        // A menu item's accelerator is scanned only after its label: a popup
        // item takes no mnemonic.
        "Application a { PopupItem \"p\" _P context x targetsymboltype any ! \"c\"; }",
    };
    TempDir dir;
    for (const char* text : texts) {
        ParsedFile parsed(dir.file("mixed.reg", text), 0);
        EXPECT_EQ(parsed->errors, 1) << text;
    }
}
