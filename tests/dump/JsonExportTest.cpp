#include "kivparser/kivparser.h"
#include "support/JsonCheck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace kivparser;

// Quotes, backslashes, control characters and bytes that are not UTF-8 come
// out as valid JSON; well-formed UTF-8 is kept as it is. (Deep nesting: the
// robustness tests of the application registration.)
TEST(JsonExport, TextsAreEscapedAndInvalidUtf8IsReplaced)
{
    FieldRegistration reg;
    Field* field = reg.newField(strdup("q\"b\\t\tn\nc\x01\x1f\x7f"));
    field->setDisplayString(strdup("\xc3\xa9 \xf0\x9f\x98\x80 \xff \xe2\x82 \xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80"));
    String* values = new String();
    values->addNewData(strdup("x"));
    values->addNewData(7);
    field->setFieldEnumerations(values);
    char* text = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&text, &length);
    EXPECT_EQ(dumpJson(out, &reg), 0);
    fclose(out);
    std::string json(text, length);
    free(text);
    EXPECT_TRUE(isValidJson(json.data(), json.size()));
    EXPECT_EQ(json,
              "{\"fields\":[{\"fieldID\":\"q\\\"b\\\\t\\tn\\nc\\u0001\\u001f\x7f\",\"fieldType\":-1,\"fieldFlag\":0,"
              "\"fieldEnumerations\":[\"x\"],\"displayString\":\"\xc3\xa9 \xf0\x9f\x98\x80 \\ufffd \\ufffd\\ufffd "
              "\\ufffd\\ufffd\\ufffd \\ufffd\\ufffd \\ufffd\\ufffd\\ufffd\\ufffd\"}]}\n");
    EXPECT_EQ(dumpJson(nullptr, &reg), -1);
    EXPECT_EQ(dumpJson(stdout, static_cast<FieldRegistration*>(nullptr)), -1);
}
