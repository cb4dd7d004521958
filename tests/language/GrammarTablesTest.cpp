#include "language/GrammarActions.h"
#include "language/grammar.tab.h"

#include <gtest/gtest.h>

using namespace kivparser;

// The generated tables are the language: the token numbers are what files
// compiled against the grammar expect, and the three constants show the
// grammar was transcribed whole (one rule more or less moves them).
TEST(GrammarTables, ConstantsAndTokenNumbers)
{
    EXPECT_EQ(GrammarActions::ruleCount(), 528);
    EXPECT_EQ(GrammarActions::finalState(), 2);
    EXPECT_EQ(GrammarActions::highestToken(), 419);

    EXPECT_EQ(OP_AND, 257);
    EXPECT_EQ(LEXERR, 263);
    EXPECT_EQ(FUNCTION, 274);
    EXPECT_EQ(STRING, 277);
    EXPECT_EQ(ACTION, 280);
    EXPECT_EQ(SYMBOLALERT, 383);
    EXPECT_EQ(TAB, 398);
    EXPECT_EQ(CGI, 414);
    EXPECT_EQ(OPTION, 419);
}
