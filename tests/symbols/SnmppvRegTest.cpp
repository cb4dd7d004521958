#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"

#include <gtest/gtest.h>

using namespace kivparser;

using namespace symtest;

TEST(SnmppvReg, FrozenTextsButGrowingLists)
{
    SnmppvReg reg;
    EXPECT_EQ(reg.lookupSnmppvCgi(const_cast<char*>("viewer")), nullptr);
    SnmppvCgi* cgi = reg.newSnmppvCgi(heap("viewer"));
    EXPECT_EQ(reg.lookupSnmppvCgi(const_cast<char*>("viewer")), cgi);
    EXPECT_EQ(reg.lookupSnmppvCgi(const_cast<char*>("Viewer")), nullptr);
    cgi->setCommandName(heap("view.cgi"));
    cgi->setCgiPath(heap("/cgi-bin/view"));
    cgi->setDescriptions(textList({"one"}));
    cgi->newAcceptArgument(heap("-a"));
    cgi->locked = 1;
    cgi->setCommandName(heap("other"));
    cgi->setCgiPath(heap("other"));
    cgi->setIconPath(heap("icon"));
    cgi->setVersion(heap("2"));
    cgi->setDescriptions(textList({"two"}));
    cgi->setCopyrights(textList({"c"}));
    AcceptArgument* second = cgi->newAcceptArgument(heap("-a")); // same name: a second element
    IgnoreAction* ignore = cgi->newIgnoreAction(heap("App"));
    EXPECT_STREQ(cgi->commandName, "view.cgi");
    EXPECT_STREQ(cgi->cgiPath, "/cgi-bin/view");
    EXPECT_EQ(cgi->iconPath, nullptr);
    EXPECT_EQ(cgi->version, nullptr);
    EXPECT_EQ(cgi->copyrights, nullptr);
    EXPECT_EQ(listValues(cgi->descriptions), (std::vector<std::string>{"one"}));
    ASSERT_NE(cgi->acceptArguments->next(), nullptr);
    EXPECT_EQ(cgi->acceptArguments->next()->next(), second);
    EXPECT_EQ(cgi->ignoreActions->next(), ignore);
    EXPECT_EQ(second->isNoArgs, 0);
    EXPECT_EQ(second->optionArgs, nullptr);
    EXPECT_EQ(ignore->actionNamesAll, 0);
}

TEST(SnmppvRegDump, Golden)
{
    SnmppvReg reg;
    SnmppvCgi* cgi = reg.newSnmppvCgi(heap("viewer"));
    cgi->setCommandName(heap("view.cgi"));
    cgi->setCgiPath(heap("/cgi-bin/view"));
    cgi->setVersion(heap("not dumped"));
    cgi->newAcceptArgument(heap("-n"))->setOptionWithoutArgs();
    cgi->newAcceptArgument(heap("-e"))->setOptionArgs(new String());
    cgi->newAcceptArgument(heap("-m"))->setOptionArgs(textList({"x", "y"}));
    cgi->newIgnoreAction(heap("All"))->setActionNamesAll();
    cgi->newIgnoreAction(heap("Some"))->setActionNames(textList({"Open"}));
    reg.newSnmppvCgi(heap("bare"));
    std::string out = captureStdout([&] { reg.debugDump(); });
    EXPECT_EQ(out,
              "CGI : viewer {\n"
              "\tCommand view.cgi;\n"
              "\tCgiPath \"/cgi-bin/view\";\n"
              "\tIconPath \"\";\n"
              "\tAcceptArguments \"-n\";\n"
              "\tAcceptArguments \"-e\" {\n"
              "\t}\n"
              "\tAcceptArguments \"-m\" {\n"
              "\t\t\"x\", \n"
              "\t\t\"y\", \n"
              "\t}\n"
              "\tIgnoreActions \"All\" {\n"
              "\t\tall\n"
              "\t}\n"
              "\tIgnoreActions \"Some\" {\n"
              "\t\t\"Open\", \n"
              "\t}\n"
              "}\n"
              "CGI : bare {\n"
              "\tCommand ;\n"
              "\tCgiPath \"\";\n"
              "\tIconPath \"\";\n"
              "}\n");
}
