#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace kivparser;

// Whole directories parsed into one registration per kind. Every directory
// also holds files of the other kinds and one that is no registration at all:
// they are parsed, counted and dropped without a leak.
class LoadEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        tree.file("reg/C/a.reg", "application \"Alpha\" { version \"1\"; }\n");
        tree.file("reg/C/b.reg", "application \"Beta\" { }\n");
        tree.file("reg/C/c.reg", "application \"Alpha\" { version \"2\"; }\n");
        tree.file("reg/C/d.srf", "symbolclass \"Net\" { filebase \"net\"; }\nsymboltype \"Net\" : \"Hub\" { }\n");
        tree.file("reg/C/e.frf", "field \"Status\" { type integer32; }\n");
        tree.file("reg/C/f.svrf", "cgi \"viewer\" { command \"view.cgi\"; cgipath \"/cgi-bin/view\"; }\n");
        tree.file("reg/C/g.txt", "this is { not a registration\n");
    }
    LocaleGuard locale{"C"};
    TempDir tree;
};

TEST_F(LoadEndToEnd, ApplicationsMergeAcrossFiles)
{
    testing::internal::CaptureStdout();
    ApplicationRegistration* arf = loadArf(1, tree.path("reg").c_str());
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_NE(arf, nullptr);
    Application* alpha = arf->lookupApplication(const_cast<char*>("Alpha"));
    ASSERT_NE(alpha, nullptr);
    EXPECT_STREQ(alpha->version, "1"); // the first completed definition wins
    EXPECT_NE(arf->lookupApplication(const_cast<char*>("Beta")), nullptr);
    // The second definition of Alpha is counted against its own file.
    size_t third = out.find("[parsing " + tree.path("reg/C/c.reg") + "]...\n");
    ASSERT_NE(third, std::string::npos);
    std::string thirdReport = out.substr(third, out.find("[parsing " + tree.path("reg/C/d.srf")) - third);
    EXPECT_NE(thirdReport.find("Alpha: duplicate definition(ignore)"), std::string::npos);
    EXPECT_EQ(thirdReport.substr(thirdReport.size() - 25), "  errors: 0, warnings: 1\n");
    std::string tail = "  errors: 1, warnings: 0\n>>>total:  errors: 1, warnings: 1\n";
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    delete arf;
}

TEST_F(LoadEndToEnd, EachLoaderKeepsItsOwnKind)
{
    SymbolRegistration* srf = loadSrf(0, tree.path("reg").c_str());
    ASSERT_NE(srf, nullptr);
    SymbolClass* net = srf->lookupSymbolClass(const_cast<char*>("Net"));
    ASSERT_NE(net, nullptr);
    EXPECT_NE(net->lookupSymbolType(const_cast<char*>("Hub")), nullptr);
    delete srf;

    FieldRegistration* frf = loadFrf(0, tree.path("reg").c_str());
    ASSERT_NE(frf, nullptr);
    EXPECT_NE(frf->lookupField(const_cast<char*>("Status")), nullptr);
    delete frf;

    SnmppvReg* svrf = loadSvrf(0, tree.path("reg").c_str());
    ASSERT_NE(svrf, nullptr);
    EXPECT_NE(svrf->lookupSnmppvCgi(const_cast<char*>("viewer")), nullptr);
    delete svrf;
}
