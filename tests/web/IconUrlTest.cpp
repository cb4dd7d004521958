#include "web/WebTestSupport.h"

using namespace kivparser;
using namespace webtest;

// The largest bitmap of the type, looked up in the first icon class of the
// name that has types (connection classes and classes without types are
// passed over, later classes of the name never examined); the default icon
// for everything else.
TEST(IconUrl, LargestBitmapOfTheFirstIconClassWithTypes)
{
    WebInstallation inst;
    SymbolRegistration* reg = new SymbolRegistration();
    addType(addClass(reg, "Computer", VFY_CONNECTIONVARIETY), "Workstation", "wrong", "C/a", {20});
    addClass(reg, "Computer", VFY_ICONVARIETY);
    SymbolClass* computer = addClass(reg, "Computer", VFY_ICONVARIETY);
    addType(computer, "Workstation", "workstation", "C\\computer", {20, 50});
    addType(computer, "Laptop", "laptop", "C/computer", {32, 16});
    addType(computer, "Pager", "pager", "C/computer", {}, true); // no size list: 50
    addType(computer, "Brick", "brick", "C/computer", {});       // empty list: 0
    addType(computer, "Ghost", "ghost", nullptr, {70});          // nothing found on disk
    addType(computer, "", "nameless", "C/computer", {20});
    addType(addClass(reg, "Computer", VFY_ICONVARIETY), "Late", "late", "C/c", {20});
    addType(addClass(reg, "Cable", VFY_CONNECTIONVARIETY), "Fiber", "fiber", "C/connector", {50});
    addType(addClass(reg, "Gadget", VFY_NA), "Widget", "widget", "C/gadget", {50});
    cacheRegistration(reg);

    std::string dir = baseUrl() + "/KzDocs/bitmaps/C/computer/";
    EXPECT_EQ(defaultIcon().substr(0, 7), "http://");
    EXPECT_NE(defaultIcon().find(":8181/KzDocs/bitmaps/C/connector/unknownrouter.50.gif"), std::string::npos);
    // Without a colon the whole text is the class and the type is empty; only
    // the first colon splits. Texts too long for the 1024-byte buffer name
    // nothing and overflow nothing.
    std::pair<std::string, std::string> cases[] = {
        {"Computer:Workstation", dir + "workstation.50.gif"}, {"Computer:Laptop", dir + "laptop.32.gif"},
        {"Computer:Pager", dir + "pager.50.gif"},             {"Computer:Brick", dir + "brick.0.gif"},
        {"Computer", dir + "nameless.20.gif"},                {"Computer:", dir + "nameless.20.gif"},
        {"Computer:Workstation:x", defaultIcon()},            {"Computer:Mainframe", defaultIcon()},
        {"computer:Workstation", defaultIcon()},              {"Router:Workstation", defaultIcon()},
        {"Computer:Ghost", defaultIcon()},                    {"Computer:Late", defaultIcon()},
        {"", defaultIcon()},                                  {"Cable:Fiber", defaultIcon()},
        {"Gadget:Widget", defaultIcon()},                     {"Computer:" + std::string(1015, 'W'), defaultIcon()},
        {std::string(100000, 'C'), defaultIcon()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(iconUrl(c.first.c_str()), c.second) << c.first.substr(0, 40);
    EXPECT_EQ(iconUrl(nullptr), defaultIcon());
}

// A load that finds nothing is not cached; a good one is reused (new bitmaps
// are not seen) until a style sheet generation reloads.
TEST(SymbolCache, FailedLoadIsRetriedAndGoodLoadIsReused)
{
    WebInstallation inst;
    EXPECT_EQ(iconUrl("Computer:Workstation"), defaultIcon());
    EXPECT_EQ(lastSrf, nullptr);

    inst.dir.file("symbols/C/computers", "SymbolClass Computer { Variety icon; }\n"
                                         "SymbolType Computer : Workstation { FileBase workstation; }\n");
    for (const char* size : {"20", "50"})
        inst.dir.file("bitmaps/C/computer/workstation." + std::string(size) + ".gif");
    std::string dir = baseUrl() + "/KzDocs/bitmaps/C/computer/";
    EXPECT_EQ(iconUrl("Computer:Workstation"), dir + "workstation.50.gif");
    SymbolRegistration* loaded = lastSrf;
    ASSERT_NE(loaded, nullptr);

    inst.dir.file("bitmaps/C/computer/workstation.90.gif");
    EXPECT_EQ(iconUrl("Computer:Workstation"), dir + "workstation.50.gif");
    EXPECT_EQ(lastSrf, loaded);
    char err[KIV_WEB_ERRMSG_LEN];
    ASSERT_NE(getSymbolClass(1, inst.dir.path("bitmaps").c_str(), err, sizeof err), nullptr) << err;
    EXPECT_EQ(iconUrl("Computer:Workstation"), dir + "workstation.90.gif");

    // A bitmap directory that does not exist: no icon for any type.
    setenv("KZwwwBitmapDir", inst.dir.path("no/such/dir").c_str(), 1);
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", "<!-- INSERT SYMBOLS -->\n");
    char url[KIV_WEB_URL_LEN];
    ASSERT_EQ(kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err), 0) << err;
    std::string sheet = readFile(inst.styleSheet());
    EXPECT_EQ(sheet.find("<Image"), std::string::npos);
    EXPECT_NE(sheet.find("bitmapdir:" + inst.dir.path("no/such/dir") + "\n    shapeType:Square\n"
                         "    symbolID:Workstation\n"),
              std::string::npos)
        << sheet;
    EXPECT_EQ(iconUrl("Computer:Workstation"), defaultIcon());
}

// No symbol files, or none that defines a class: reported, nothing usable
// cached, and a style sheet generation stops and removes what it wrote.
TEST(SymbolCache, NoSymbolFilesOrNoClassesAreReported)
{
    WebInstallation inst;
    std::string bitmapdir = inst.dir.path("bitmaps");
    char err[KIV_WEB_ERRMSG_LEN];
    EXPECT_EQ(getSymbolClass(1, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_STREQ(err, "Could not load symbol registration files.");

    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", "<Styles>\n<!-- INSERT SYMBOLS -->\n");
    char url[KIV_WEB_URL_LEN];
    EXPECT_EQ(kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err), -1);
    EXPECT_STREQ(err, "Could not load symbol registration files.");
    EXPECT_FALSE(std::filesystem::exists(inst.styleSheet()));

    inst.dir.file("symbols/C/broken", "SymbolClass ;\n");
    EXPECT_EQ(getSymbolClass(0, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_EQ(std::string(err), "No symbol classes were found in bitmapdir:" + bitmapdir + ".");
    EXPECT_NE(lastSrf, nullptr);
    EXPECT_EQ(lastSymbolClass, nullptr);

    inst.dir.file("symbols/C/computers", "SymbolClass Computer { Variety icon; }\n");
    EXPECT_NE(getSymbolClass(0, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_NE(lastSymbolClass, nullptr);
}
