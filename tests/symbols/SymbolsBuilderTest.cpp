#include "kivparser/kivparser.h"
#include "support/TestParser.h"
#include "language/GrammarActions.h"
#include "symbols/CgiBuilder.h"
#include "symbols/FieldBuilder.h"
#include "symbols/SymbolBuilder.h"
#include "symbols/SymbolsTestSupport.h"

#include <gtest/gtest.h>

using namespace kivparser;

using namespace symtest;

// An action that finds no current object where it needs one reports an
// internal error and ends the parse; whatever it was handed is released.
TEST(SymbolsBuilder, MissingCurrentObjectIsAnInternalError)
{
    TestParser parser(0);
    int calls = 0;
    auto fails = [&](int result) {
        calls++;
        EXPECT_NE(result, 0) << "call " << calls;
        EXPECT_EQ(parser->errors, calls) << "call " << calls;
    };
    fails(SymbolBuilder::beginSymbolClass(heap("C")));
    fails(SymbolBuilder::beginSymbolType(heap("C"), heap("T")));
    fails(SymbolBuilder::endSymbolClass());
    fails(SymbolBuilder::scale(1));
    fails(SymbolBuilder::arcOrigin(new Point(1, 1)));
    fails(SymbolBuilder::segmentPoint(new Point(1, 1)));
    fails(SymbolBuilder::fileBase(heap("f")));
    fails(SymbolBuilder::displayString(heap("d")));
    fails(SymbolBuilder::capability(heap("a")));
    fails(SymbolBuilder::textCapability(heap("a"), heap("b")));
    fails(SymbolBuilder::lineStyle(LNT_DASH));
    fails(FieldBuilder::beginField(heap("F")));
    fails(FieldBuilder::displayString(heap("d")));
    fails(FieldBuilder::enumeration());
    fails(CgiBuilder::beginCgi(heap("G")));
    fails(CgiBuilder::commandName(heap("c")));
    fails(CgiBuilder::beginOption(heap("-o")));
    fails(CgiBuilder::endIgnoreAction(1));

    // A symbol statement needs a class or type even when the lists exist.
    ASSERT_EQ(SymbolBuilder::beginLine(), 0);
    ASSERT_EQ(GrammarActions::startDashList(), 0);
    ASSERT_EQ(GrammarActions::addDashLength(4), 0);
    ASSERT_EQ(SymbolBuilder::dashPattern(), 0);
    fails(SymbolBuilder::endLine());
    SymbolBuilder::discardUnfinished();
    EXPECT_EQ(parser->curLine, nullptr);
}

// Outside a block the roots are created once and kept.
TEST(SymbolsBuilder, RootsAreCreatedOnce)
{
    TestParser parser(0);
    ASSERT_EQ(SymbolBuilder::startRegistration(), 0);
    SymbolRegistration* symbols = parser->curSymReg;
    ASSERT_NE(symbols, nullptr);
    EXPECT_EQ(SymbolBuilder::startRegistration(), 0);
    EXPECT_EQ(parser->curSymReg, symbols);
    ASSERT_EQ(FieldBuilder::startRegistration(), 0);
    ASSERT_EQ(CgiBuilder::startRegistration(), 0);
    EXPECT_NE(parser->curFldReg, nullptr);
    EXPECT_NE(parser->curSnmppvReg, nullptr);
    EXPECT_EQ(parser->errors, 0);
    delete symbols;
    delete parser->curFldReg;
    delete parser->curSnmppvReg;
}
