#include "language/LanguageFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kivparser;

// How each value rule adds to its list fixes the order the model keeps.

namespace {

std::vector<std::string> valuesOf(String* head)
{
    std::vector<std::string> values;
    if (!head)
        return values;
    for (String* item = head->next(); item; item = item->next())
        values.push_back(item->isInteger() ? std::to_string(item->integer) : std::string(item->str ? item->str : ""));
    return values;
}

using Values = std::vector<std::string>;

} // namespace

TEST(ValueLists, FileOrderAndReverseOrderAsTheRulesSay)
{
    LanguageDir dir;
    std::string app = dir.write("a.arf", "Application a {\n"
                                         "  Description { \"one\", \"two\", \"three\", }\n"
                                         "  Copyright { \"c1\", \"c2\" }\n"
                                         "  NameField first, \"second\", third;\n"
                                         "  Action x { Access a 2 \"c\" d; NameField n1, n2; }\n"
                                         "}\n");
    KivParser appParser(const_cast<char*>(app.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(appParser.errors, 0);
    ASSERT_NE(appParser.getAppReg(), nullptr);
    Application* application = appParser.getAppReg()->lookupApplication(const_cast<char*>("a"));
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(valuesOf(application->descriptions), (Values{"one", "two", "three"}));
    EXPECT_EQ(valuesOf(application->copyrights), (Values{"c1", "c2"}));
    EXPECT_EQ(valuesOf(application->nameFields), (Values{"first", "second", "third"}));
    Action* action = application->lookupAction(const_cast<char*>("x"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(valuesOf(action->accesses), (Values{"d", "c", "2", "a"}));
    EXPECT_EQ(valuesOf(action->nameFields), (Values{"n1", "n2"}));
    EXPECT_EQ(appParser.curString, nullptr);
    releaseRoots(appParser);

    std::string fields = dir.write("f.frf", "Field f { Enumeration a, \"b\", c; }\n");
    KivParser fieldParser(const_cast<char*>(fields.c_str()), static_cast<FieldRegistration*>(nullptr), 0);
    ASSERT_NE(fieldParser.getFldReg(), nullptr);
    Field* field = fieldParser.getFldReg()->lookupField(const_cast<char*>("f"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(valuesOf(field->fieldEnumerations), (Values{"c", "b", "a"}));
    releaseRoots(fieldParser);

    std::string symbols = dir.write("s.srf", "SymbolClass s { LineDashPattern 4, 2, 7; }\n");
    KivParser symbolParser(const_cast<char*>(symbols.c_str()), static_cast<SymbolRegistration*>(nullptr), 0);
    ASSERT_NE(symbolParser.getSymReg(), nullptr);
    SymbolClass* symbolClass = symbolParser.getSymReg()->lookupSymbolClass(const_cast<char*>("s"));
    ASSERT_NE(symbolClass, nullptr);
    ASSERT_NE(symbolClass->line, nullptr);
    EXPECT_EQ(valuesOf(symbolClass->line->dashLengths), (Values{"4", "2", "7"}));
    EXPECT_EQ(symbolParser.curDashLength, nullptr);
    releaseRoots(symbolParser);
}

TEST(ValueLists, AListLeftByABrokenStatementIsReleased)
{
    LanguageDir dir;
    // The description never ends: its list is nobody's when the parse stops.
    std::string app = dir.write("a.arf", "Application a { Description { \"one\", \"two\"");
    KivParser parser(const_cast<char*>(app.c_str()), static_cast<ApplicationRegistration*>(nullptr), 0);
    EXPECT_EQ(parser.errors, 1);
    EXPECT_EQ(parser.curString, nullptr);
    std::string symbols = dir.write("s.srf", "SymbolClass s { LineDashPattern 4, 2");
    KivParser other(const_cast<char*>(symbols.c_str()), static_cast<SymbolRegistration*>(nullptr), 0);
    EXPECT_EQ(other.errors, 1);
    EXPECT_EQ(other.curDashLength, nullptr);
    releaseRoots(parser);
    releaseRoots(other);
}
