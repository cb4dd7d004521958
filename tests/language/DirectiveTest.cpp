#include "language/LanguageFiles.h"
#include "language/Lex.h"

#include <gtest/gtest.h>

using namespace kivparser;

using Names = std::vector<std::string>;

namespace {

Names namesOf(LanguageDir& dir, const std::string& content)
{
    return identifiers(scanText(dir, content));
}

} // namespace

TEST(Directives, DefinedUndefinedAndElseBranches)
{
    LanguageDir dir;
    EXPECT_EQ(namesOf(dir, "#ifdef WINNT\na\n#endif\nb\n"), (Names{"a", "b"}));
    EXPECT_EQ(namesOf(dir, "#ifndef WINNT\na\n#else\nb\n#endif\nc\n"), (Names{"b", "c"}));
    EXPECT_EQ(namesOf(dir, "#ifdef NT\na\n#else\nb\n#endif\nc\n"), (Names{"a", "c"}));
    EXPECT_EQ(namesOf(dir, "#ifndef NOT_A_SYMBOL\na\n#else\nb\n#endif\nc\n"), (Names{"a", "c"}));
    // Features are off unless the installation says otherwise.
    EXPECT_EQ(namesOf(dir, "#ifdef ET_IPV6_ENABLED\na\n#else\nb\n#endif\n"), (Names{"b"}));
    // Symbols are case-sensitive: a lower-case one is not in the table.
    EXPECT_EQ(namesOf(dir, "#ifdef winnt\na\n#endif\nb\n"), (Names{"b"}));
    // A missing #endif lets the skip run to the end of the file.
    EXPECT_EQ(namesOf(dir, "a\n#ifdef UNKNOWN\nb\nc\n"), (Names{"a"}));
}

TEST(Directives, BlanksAroundSymbolAndAfterHash)
{
    LanguageDir dir;
    EXPECT_EQ(namesOf(dir, "#ifdef   REMOTE_CONSOLE \t \na\n#endif\n"), (Names{"a"}));
    EXPECT_EQ(namesOf(dir, "#  ifdef NT\na\n#endif\n"), (Names{"a"}));
    EXPECT_EQ(namesOf(dir, "#\tifndef\tNT\na\n#endif\nb\n"), (Names{"b"}));
    // The symbol is the rest of the line: a comment after it is part of it.
    EXPECT_EQ(namesOf(dir, "#ifdef NT // comment\na\n#endif\nb\n"), (Names{"b"}));
}

TEST(Directives, TheInstallationIsAskedOnce)
{
    LanguageDir dir;
    setenv("KZ_ON_SERVER", "1", 1);
    setenv("KZ_HSRP", "1", 1);
    EXPECT_EQ(namesOf(dir, "#ifdef REMOTE_CONSOLE\na\n#endif\n#ifdef ET_HSRP_ENABLED\nb\n#endif\n"),
              (Names{"b"}));
    unsetenv("KZ_ON_SERVER");
    unsetenv("KZ_HSRP");
    EXPECT_EQ(namesOf(dir, "#ifdef REMOTE_CONSOLE\na\n#endif\n#ifdef ET_HSRP_ENABLED\nb\n#endif\n"),
              (Names{"b"}));
}

TEST(Directives, UnknownWordsAreReadAndIgnored)
{
    LanguageDir dir;
    EXPECT_EQ(namesOf(dir, "#include x\ny\n"), (Names{"x", "y"}));
    // Directive words are lower case; other spellings are not directives.
    EXPECT_EQ(namesOf(dir, "#IFDEF UNKNOWN\na\n#ENDIF\n"), (Names{"UNKNOWN", "a"}));
    // After #else and #endif the rest of the line is ordinary text.
    EXPECT_EQ(namesOf(dir, "#ifdef NT\na\n#endif b\nc\n"), (Names{"a", "b", "c"}));
    // A "#" in a string or a comment is not a directive.
    auto tokens = scanText(dir, "\"#ifdef UNKNOWN\" a /* #ifdef UNKNOWN */ b // #else\nc\n");
    EXPECT_EQ(identifiers(tokens), (Names{"a", "b", "c"}));
}

TEST(Directives, ConditionalsDoNotNest)
{
    LanguageDir dir;
    // A complete inner conditional with an #else clears skipElse: the outer
    // #else is then read.
    EXPECT_EQ(namesOf(dir, "#ifdef WINNT\na\n#ifdef NT\nb\n#else\nc\n#endif\nd\n#else\ne\n#endif\nf\n"),
              (Names{"a", "b", "d", "e", "f"}));
    // In a skipped stretch an inner #else ends the skip early.
    EXPECT_EQ(namesOf(dir, "#ifdef UNKNOWN\na\n#ifdef OTHER\nb\n#else\nc\n#endif\nd\n#endif\ne\n"),
              (Names{"c", "d", "e"}));
    // Comments are followed while skipping, strings are not.
    EXPECT_EQ(namesOf(dir, "#ifdef UNKNOWN\n/* #endif */ a // #endif\nb\n#endif\nc\n"), (Names{"c"}));
    auto tokens = scanText(dir, "#ifdef UNKNOWN\n\"x #endif \" y\n");
    ASSERT_EQ(tokenNumbers(tokens), (std::vector<int>{STRING}));
    EXPECT_EQ(tokens[0].text, " y\n");
    // A character looked at and put back while skipping keeps the line count.
    tokens = scanText(dir, "#ifdef UNKNOWN\na /\nb /\n#endif\nc\n");
    ASSERT_EQ(identifiers(tokens), (Names{"c"}));
    EXPECT_EQ(tokens[0].line, 5);
    // Many undefined conditionals in one skipped stretch.
    std::string many = "#ifdef UNKNOWN\n";
    for (int i = 0; i < 20000; i++)
        many += "#ifdef UNKNOWN\n";
    EXPECT_EQ(namesOf(dir, many + "#endif\nlast\n"), (Names{"last"}));
}

TEST(Directives, SkipElseCarriesIntoTheNextFile)
{
    LanguageDir dir;
    EXPECT_EQ(namesOf(dir, "#ifdef WINNT\na\n"), (Names{"a"}));
    EXPECT_EQ(namesOf(dir, "#else\nb\n#endif\nc\n"), (Names{"c"}));
    // #endif cleared it: the next #else is read.
    EXPECT_EQ(namesOf(dir, "#else\nd\n"), (Names{"d"}));
}

TEST(Directives, LongWordsAndSymbolsStayInTheirBuffer)
{
    LanguageDir dir;
    std::string longWord(5000, 'w');
    EXPECT_EQ(namesOf(dir, "#" + longWord + "\na\n"), (Names{"a"}));
    std::string longSymbol(5000, 'N');
    EXPECT_EQ(namesOf(dir, "#ifdef " + longSymbol + "\na\n#endif\nb\n"), (Names{"b"}));
    EXPECT_EQ(namesOf(dir, "#ifdef NT" + std::string(600, ' ') + "\na\n#endif\n"), (Names{"a"}));
}
