#include "kivparser/kivparser.h"
#include "support/JsonCheck.h"
#include "support/ParsedFile.h"
#include "support/SchemaCheck.h"
#include "support/TempDir.h"
#include "support/TestSystem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace kivparser;

// Under a UTF-8 locale: quotes, backslashes and control characters are
// escaped, well-formed UTF-8 is kept, and each byte that does not decode
// becomes U+FFFD (always written as an escape). A value list carries its
// texts and integers alike.
// (Deep nesting: the robustness tests of the application registration.)
TEST(JsonExport, TextsAreEscapedAndBytesThatDoNotDecodeAreReplaced)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a UTF-8 locale, which the Windows C runtime lacks "
                    "(WindowsFiles.CodePageConversion is the Windows case)";
#endif
    LocaleGuard locale("C.UTF-8");
    FieldRegistration reg;
    Field* field = reg.newField(strdup("q\"b\\t\tn\nc\x01\x1f\x7f"));
    field->setDisplayString(strdup("\xc3\xa9 \xf0\x9f\x98\x80 \xff \xe2\x82 \xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80"));
    String* values = new String();
    values->addNewData(strdup("x"));
    values->addNewData(7);
    field->setFieldEnumerations(values);
    std::string json = jsonText([&reg](FILE* out) { return dumpJson(out, &reg); });
    EXPECT_TRUE(isValidJson(json.data(), json.size()));
    EXPECT_EQ(json,
              "{\"fields\":[{\"fieldID\":\"q\\\"b\\\\t\\tn\\nc\\u0001\\u001f\x7f\",\"fieldType\":-1,\"fieldFlag\":0,"
              "\"fieldEnumerations\":[7,\"x\"],\"displayString\":\"\xc3\xa9 \xf0\x9f\x98\x80 \\ufffd \\ufffd\\ufffd "
              "\\ufffd\\ufffd\\ufffd \\ufffd\\ufffd \\ufffd\\ufffd\\ufffd\\ufffd\",\"locked\":0}]}\n");
    EXPECT_EQ(dumpJson(nullptr, &reg), -1);
    EXPECT_EQ(dumpJson(stdout, static_cast<FieldRegistration*>(nullptr)), -1);
}

namespace {

// An application and a CGI program with texts outside ASCII, written in
// the code set that `latin1` chooses.
std::string registration(bool latin1)
{
    const std::string a = latin1 ? "\xe4" : "\xc3\xa4";  // a umlaut
    const std::string e = latin1 ? "\xe9" : "\xc3\xa9";  // e acute
    const std::string ss = latin1 ? "\xdf" : "\xc3\x9f"; // sharp s
    return "Application \"Ger" + a + "te\" {\n"
           "    Description { \"Gro" + ss + "e Karte\", \"caf" + e + "\" }\n"
           "    Copyright { \"(c) M" + a + "rz\" }\n"
           "    Version \"1" + ss + "\";\n"
           "    MenuBar \"Datei\" _D { \"" + a + "ndern\" _" + a + " f.action \"" + a + "ndern\"; }\n"
           "    Action \"" + a + "ndern\" { Command \"edit -m " + e + "\"; }\n"
           "}\n";
}

std::string exportUnder(const char* locale, const std::string& text)
{
    LocaleGuard guard(locale);
    TempDir dir;
    ParsedFile parsed(dir.file("app", text), 0);
    EXPECT_EQ(parsed->errors, 0) << locale;
    ApplicationRegistration* reg = parsed->getAppReg();
    return jsonText([reg](FILE* out) { return dumpJson(out, reg); });
}

} // namespace

// The same registration read under a Latin-1 locale and, written in UTF-8,
// under a UTF-8 locale exports the same JSON: texts are converted from the
// locale's code set.
TEST(JsonExport, TextsAreConvertedFromTheLocalesCodeSet)
{
    setenv("LOCPATH", KIVPARSER_TEST_LOCPATH, 1);
    if (!setlocale(LC_CTYPE, "de_DE.ISO-8859-1"))
        GTEST_SKIP() << "the test locale de_DE.ISO-8859-1 could not be built here";
    setlocale(LC_CTYPE, "C");
    std::string fromLatin1 = exportUnder("de_DE.ISO-8859-1", registration(true));
    std::string fromUtf8 = exportUnder("C.UTF-8", registration(false));
    EXPECT_EQ(fromLatin1, fromUtf8);
    EXPECT_NE(fromLatin1.find("\"appName\":\"Ger\xc3\xa4te\""), std::string::npos) << fromLatin1;
    EXPECT_NE(fromLatin1.find("\"descriptions\":[\"Gro\xc3\x9f" "e Karte\",\"caf\xc3\xa9\"]"), std::string::npos);
    EXPECT_EQ(fromLatin1.find("\\ufffd"), std::string::npos);
    if (pythonChecksRun()) {
        EXPECT_TRUE(validatesAgainstSchema({fromLatin1}, "Latin-1 registration"));
    }
    // Read under the C locale the same bytes do not decode.
    std::string fromC = exportUnder("C", registration(true));
    EXPECT_NE(fromC.find("\"appName\":\"Ger\\ufffdte\""), std::string::npos) << fromC;
}
