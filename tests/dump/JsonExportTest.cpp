#include "application/AppTestSupport.h"
#include "support/JsonCheck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace kivparser;

namespace {

template <class Registration>
std::string jsonOf(int (*dump)(FILE*, Registration*), Registration* registration)
{
    char* text = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&text, &length);
    EXPECT_EQ(dump(out, registration), 0);
    fclose(out);
    std::string json(text, length);
    free(text);
    EXPECT_TRUE(isValidJson(json.data(), json.size()));
    return json;
}

size_t count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

} // namespace

// Quotes, backslashes, control characters and bytes that are not UTF-8 come
// out as valid JSON; well-formed UTF-8 is kept as it is.
TEST(JsonExport, TextsAreEscapedAndInvalidUtf8IsReplaced)
{
    FieldRegistration reg;
    Field* field = reg.newField(dup("q\"b\\t\tn\nc\x01\x1f\x7f"));
    field->setDisplayString(dup("\xc3\xa9 \xf0\x9f\x98\x80 \xff \xe2\x82 \xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80"));
    String* values = new String();
    values->addNewData(dup("x"));
    values->addNewData(7);
    field->setFieldEnumerations(values);
    EXPECT_EQ(jsonOf<FieldRegistration>(dumpJson, &reg),
              "{\"fields\":[{\"fieldID\":\"q\\\"b\\\\t\\tn\\nc\\u0001\\u001f\x7f\",\"fieldType\":-1,\"fieldFlag\":0,"
              "\"fieldEnumerations\":[\"x\"],\"displayString\":\"\xc3\xa9 \xf0\x9f\x98\x80 \\ufffd \\ufffd\\ufffd "
              "\\ufffd\\ufffd\\ufffd \\ufffd\\ufffd \\ufffd\\ufffd\\ufffd\\ufffd\"}]}\n");
    EXPECT_EQ(dumpJson(nullptr, &reg), -1);
    EXPECT_EQ(dumpJson(stdout, static_cast<FieldRegistration*>(nullptr)), -1);
}

// Nesting as deep as the model's is written without recursion: a selection
// rule of 300000 terms and a chain of 100000 menus, each linked from an item
// of the one before.
TEST(JsonExport, DeepExpressionsAndLongMenuChains)
{
    const int terms = 300000;
    const int menus = 100000;
    ApplicationRegistration reg;
    Application* app = reg.newApplication(dup("A"));
    ParserExpression* rule = new ParserExpression(dup("t"));
    for (int i = 1; i < terms; ++i)
        rule = new ParserExpression(EOP_AND, rule, new ParserExpression(dup("t")));
    Action* action = app->newAction(dup("act"));
    action->setSelectionRule(rule);

    MenuBar* bar = new MenuBar(dup("bar"));
    reg.refMenuBars()->add(bar);
    _Menu* holder = bar;
    for (int i = 0; i < menus; ++i) {
        MenuItem* item = new MenuItem(-1, dup("x"), 0, nullptr, nullptr, nullptr, nullptr);
        static_cast<MenuItem*>(holder->refMenuItems())->add(item);
        Menu* menu = app->newMenu(dup(("m" + std::to_string(i)).c_str()));
        item->menuLink = menu;
        holder = menu;
    }
    std::string json = jsonOf<ApplicationRegistration>(dumpJson, &reg);
    EXPECT_EQ(count(json, "{\"op\":\"&&\""), static_cast<size_t>(terms - 1));
    // Each menu is written where it is linked and again in its application.
    EXPECT_EQ(count(json, "\"menuLink\":{\"menuID\":\"m"), static_cast<size_t>(menus));
    EXPECT_EQ(count(json, "{\"menuID\":\"m"), static_cast<size_t>(2 * menus));
}
