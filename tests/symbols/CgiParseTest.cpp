#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using namespace kivparser;

using namespace symtest;

// Descriptions with a trailing comma, options with ";", "{ }" and strings,
// ignore actions with ";" and strings, a CGI without command and path, empty
// strings for both, and a second definition that adds to the first.
TEST(CgiParse, GoldenDumpAndReports)
{
    std::string messages;
    std::unique_ptr<KivParser> parser(parseFile(dataFile("cgi.svrf"), static_cast<SnmppvReg*>(nullptr), &messages));
    SnmppvReg* reg = parser->getSnmppvReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(parser->ok, 0);
    EXPECT_EQ(parser->errors, 4);
    EXPECT_EQ(parser->warnings, 1);
    const char* reports[] = {
        "Error: CGI broken: missing command name.\n",
        "Error: CGI broken: missing cgi path.\n",
        "Error: CGI emptied: missing command name.\n",
        "Error: CGI emptied: missing cgi path.\n",
        "Warning: CGI viewer: duplicate definition(ignore)\n",
    };
    size_t at = 0;
    for (const char* report : reports) {
        size_t found = messages.find(report, at);
        EXPECT_NE(found, std::string::npos) << report << messages;
        at = found == std::string::npos ? at : found;
    }
    EXPECT_EQ(captureStdout([&] { reg->debugDump(); }), readFile(dataFile("cgi.dump")));

    SnmppvCgi* viewer = reg->lookupSnmppvCgi(const_cast<char*>("viewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(listValues(viewer->descriptions), (std::vector<std::string>{"Line one", "Line two"}));
    EXPECT_EQ(listValues(viewer->copyrights), (std::vector<std::string>{"Copyright line"}));
    EXPECT_STREQ(viewer->version, "1.0");
    AcceptArgument* bare = viewer->acceptArguments->next();
    EXPECT_EQ(bare->isNoArgs, 1);
    EXPECT_EQ(bare->optionArgs, nullptr);
    AcceptArgument* empty = bare->next();
    EXPECT_EQ(empty->isNoArgs, 0);
    ASSERT_NE(empty->optionArgs, nullptr);
    EXPECT_EQ(empty->optionArgs->next(), nullptr);
    IgnoreAction* all = viewer->ignoreActions->next();
    EXPECT_EQ(all->actionNamesAll, 1);
    EXPECT_EQ(all->actionNames, nullptr);
    SnmppvCgi* emptied = reg->lookupSnmppvCgi(const_cast<char*>("emptied"));
    ASSERT_NE(emptied, nullptr);
    EXPECT_STREQ(emptied->commandName, "");
    delete reg;
}

// Bytes above 127 in the CGI and icon paths are stored as %XX; everything else
// (spaces and percent signs included) stays as written.
TEST(CgiParse, PathsAreUrlEscaped)
{
    ScratchDir dir;
    std::string path = dir.write("p.svrf", "cgi c { command \"c\"; cgipath \"/cgi-bin/v\xe9w 100%\";"
                                           " iconpath \"/i/\xff\x80.gif\"; }\n");
    std::unique_ptr<KivParser> parser(parseFile(path, static_cast<SnmppvReg*>(nullptr)));
    SnmppvReg* reg = parser->getSnmppvReg();
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(parser->ok, 1);
    SnmppvCgi* cgi = reg->lookupSnmppvCgi(const_cast<char*>("c"));
    ASSERT_NE(cgi, nullptr);
    EXPECT_STREQ(cgi->cgiPath, "/cgi-bin/v%E9w 100%");
    EXPECT_STREQ(cgi->iconPath, "/i/%FF%80.gif");
    delete reg;
}
