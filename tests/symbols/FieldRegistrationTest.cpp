#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"

#include <gtest/gtest.h>

using namespace kivparser;

using namespace symtest;

TEST(FieldRegistration, LookupOrderAndFrozenSetters)
{
    FieldRegistration reg;
    EXPECT_EQ(reg.lookupField(const_cast<char*>("x")), nullptr);
    Field* name = reg.newField(heap("Name"));
    Field* lower = reg.newField(heap("name"));
    EXPECT_EQ(reg.fields->fieldID, nullptr);
    EXPECT_EQ(reg.fields->next(), name);
    EXPECT_EQ(name->next(), lower);
    EXPECT_EQ(reg.lookupField(const_cast<char*>("name")), lower);
    EXPECT_EQ(reg.lookupField(nullptr), nullptr);
    EXPECT_EQ(name->fieldType, FLD_NA);
    EXPECT_EQ(name->fieldFlag, 0u);

    name->setFieldFlag(FLG_LIST | FLG_GLOBAL);
    name->setFieldFlag(FLG_NAME); // replaces, does not add
    EXPECT_EQ(name->fieldFlag, 2u);
    name->setFieldEnumerations(textList({"a"}));
    name->setFieldEnumerations(textList({"c", "b"}));
    name->setFieldType(FLD_ENUMERATION);
    name->setDisplayString(heap("shown"));

    name->locked = 1;
    name->setFieldFlag(FLG_CAPABILITY);
    name->setFieldType(FLD_BOOLEAN);
    name->setFieldEnumerations(textList({"z"}));
    name->setDisplayString(heap("later"));
    EXPECT_EQ(name->fieldFlag, 2u);
    EXPECT_EQ(name->fieldType, FLD_ENUMERATION);
    EXPECT_EQ(listValues(name->fieldEnumerations), (std::vector<std::string>{"c", "b"}));
    EXPECT_STREQ(name->displayString, "shown");
}

TEST(FieldRegistrationDump, Golden)
{
    FieldRegistration reg;
    Field* status = reg.newField(heap("Status"));
    status->setFieldType(FLD_ENUMERATION);
    status->setFieldFlag(FLG_LIST | FLG_GLOBAL);
    status->setFieldEnumerations(textList({"c", "b", "a"}));
    status->setDisplayString(heap("Object status"));
    reg.newField(heap("Bare"));
    std::string out = captureStdout([&] { reg.debugDump(); });
    EXPECT_EQ(out,
              "Field \"Status\" {\n"
              "    FieldType: 2\n"
              "    FieldFlag: 9\n"
              "    FieldEnumeration: \"c\", \"b\", \"a\", \n"
              "    DisplayString: \"Object status\"\n"
              "}\n"
              "Field \"Bare\" {\n"
              "    FieldType: -1\n"
              "    FieldFlag: 0\n"
              "    FieldEnumeration: \n"
              "    DisplayString: \"\"\n"
              "}\n");
}
