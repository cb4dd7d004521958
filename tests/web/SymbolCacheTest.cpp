#include "web/WebTestSupport.h"
#include "web/KivParserNativeCache.h"

using namespace kivparser;

// The style sheet and the icon URLs on a real installation: symbol
// registration files loaded from disk, bitmaps found in the bitmap tree.

using namespace webtest;

namespace {

const char* const computers =
    "SymbolClass \"Computer\" {\n"
    "    Variety icon;\n"
    "    Segment (0,0) to (1,0) to (1,1) to (0,1) to (2,2) to (3,3) to (4,4);\n"
    "}\n"
    "SymbolType \"Computer\" : \"Workstation\" { FileBase \"workstation\"; }\n"
    "SymbolType \"Computer\" : \"Laptop\" { FileBase \"laptop\"; }\n";

const char* const others =
    "SymbolClass \"Gadget\" {\n"
    "    Variety icon;\n"
    "    Segment (0,0) to (4,0) to (5,3) to (2,5) to (-1,3);\n"
    "}\n"
    "SymbolType \"Gadget\" : \"Widget\" { FileBase \"widget\"; }\n"
    "SymbolType \"Gadget\" : \"Gizmo\" { }\n"
    "SymbolClass \"Cable\" { Variety connection; }\n"
    "SymbolType \"Cable\" : \"Fiber\" { FileBase \"fiber\"; }\n"
    "SymbolType \"Loose\" : \"End\" { FileBase \"end\"; }\n";

void installSymbols(const WebInstallation& inst)
{
    writeFile(inst.dir / "symbols/C/computers", computers);
    writeFile(inst.dir / "symbols/C/others", others);
}

void installBitmaps(const WebInstallation& inst, std::initializer_list<const char*> files)
{
    for (const char* file : files)
        writeFile(inst.dir / "bitmaps/C/" + file, "GIF89a");
}

// The generated style sheet without its date comment (lines 2 to 6 of the
// template's date marker).
std::string withoutDate(std::string sheet)
{
    size_t start = sheet.find("<!--\nGenerated on\n");
    size_t end = sheet.find("-->\n", start);
    if (start != std::string::npos && end != std::string::npos)
        sheet.replace(start, end + 4 - start, "<DATE>\n");
    return sheet;
}

} // namespace

TEST(SymbolCache, GeneratedStyleSheetFromDisk)
{
    WebInstallation inst;
    installSymbols(inst);
    installBitmaps(inst, {"computer/workstation.20.gif", "computer/workstation.50.gif",
                          "computer/workstation.70.gif", "computer/laptop.16.gif",
                          "computer/laptop.32.gif", "computer/laptop.48.gif", "gadget/widget.50.gif",
                          "connector/fiber.50.gif", "connector/end.50.gif"});
    writeFile(inst.templateFile(), "<?xml version=\"1.0\"?>\r\n"
                                   "<!-- INSERT DATE -->\r\n"
                                   "<Styles base=\"__BASEURL__\">\r\n"
                                   "  <!-- INSERT SYMBOLS -->\r\n"
                                   "</Styles>\r\n");
    char url[KIV_WEB_URL_LEN];
    char err[KIV_WEB_ERRMSG_LEN];
    ASSERT_EQ(kivParserSetStyleXMLURLandCreateIfNeeded(url, 0, "C", err, sizeof err), 0) << err;
    EXPECT_STREQ(err, "");

    std::string base = baseUrl();
    std::string bitmapdir = inst.dir / "bitmaps";
    auto noBitmap = [&](const char* shape, const char* type, const char* fileBase) {
        return std::string("\n<!--\n  NOTE:\n  Could not find bitmap parameters for\n    bitmapdir:") +
               bitmapdir + "\n    shapeType:" + shape + "\n    symbolID:" + type + "\n    fileBase:" + fileBase +
               "\n    fileBaseDir:(UNSET)\n    availableBitmapSizes:(UNSET)\n"
               "  No icon will be displayed for this symbol.\n-->\n\n";
    };
    EXPECT_EQ(withoutDate(readFile(inst.styleSheet())),
              "<?xml version=\"1.0\"?>\n"
              "<DATE>\n"
              "<Styles base=\"" + base + "\">\n"
              "\n\t<!--  Icons from $KZ_SYMBOLS and $KZ_BITMAPS -->\n"
              "\n\t<NodeStyle id=\"Computer:Generic\">\n"
              "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n"
              "\n\t<NodeStyle id=\"Computer:Workstation\">\n"
              "\t\t<Image sizes=\"50,70\" uri=\"" + base + "/KzDocs/bitmaps/C/computer/workstation.gif\"/>\n"
              "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n"
              "\n\t<NodeStyle id=\"Computer:Laptop\">\n"
              "\t\t<Image sizes=\"48\" uri=\"" + base + "/KzDocs/bitmaps/C/computer/laptop.gif\"/>\n"
              "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n"
              "\n\t<NodeStyle id=\"Gadget:Generic\">\n"
              "\t\t<Shape shapeStyleId=\"Trapezoid\"/>\n\t</NodeStyle>\n"
              "\n\t<NodeStyle id=\"Gadget:Widget\">\n"
              "\t\t<Image sizes=\"50\" uri=\"" + base + "/KzDocs/bitmaps/C/gadget/widget.gif\"/>\n"
              "\t\t<Shape shapeStyleId=\"Trapezoid\"/>\n\t</NodeStyle>\n" +
                  noBitmap("Trapezoid", "Gizmo", "(UNSET)") +
                  "</Styles>\n");

    // The icon URLs use the registration the generation loaded.
    EXPECT_EQ(iconUrl("Computer:Workstation"), base + "/KzDocs/bitmaps/C/computer/workstation.70.gif");
    EXPECT_EQ(iconUrl("Computer:Laptop"), base + "/KzDocs/bitmaps/C/computer/laptop.48.gif");
    EXPECT_EQ(iconUrl("Gadget:Widget"), base + "/KzDocs/bitmaps/C/gadget/widget.50.gif");
    EXPECT_EQ(iconUrl("Cable:Fiber"), defaultIcon());
    EXPECT_EQ(iconUrl("Loose:End"), defaultIcon());
    EXPECT_EQ(iconUrl("Gadget:Gizmo"), defaultIcon());
}

TEST(SymbolCache, FailedLoadIsRetriedAndGoodLoadIsReused)
{
    WebInstallation inst;
    // Nothing installed: the default icon, and nothing is cached.
    EXPECT_EQ(iconUrl("Computer:Workstation"), defaultIcon());
    EXPECT_EQ(lastSrf, nullptr);
    EXPECT_EQ(lastSymbolClass, nullptr);

    installSymbols(inst);
    installBitmaps(inst, {"computer/workstation.20.gif", "computer/workstation.50.gif"});
    std::string computerDir = baseUrl() + "/KzDocs/bitmaps/C/computer/";
    EXPECT_EQ(iconUrl("Computer:Workstation"), computerDir + "workstation.50.gif");
    SymbolRegistration* loaded = lastSrf;
    ASSERT_NE(loaded, nullptr);

    // New bitmaps are not seen until a style sheet generation reloads.
    installBitmaps(inst, {"computer/workstation.90.gif"});
    EXPECT_EQ(iconUrl("Computer:Workstation"), computerDir + "workstation.50.gif");
    EXPECT_EQ(lastSrf, loaded);
    char err[KIV_WEB_ERRMSG_LEN];
    ASSERT_NE(getSymbolClass(1, (inst.dir / "bitmaps").c_str(), err, sizeof err), nullptr) << err;
    EXPECT_EQ(iconUrl("Computer:Workstation"), computerDir + "workstation.90.gif");
}

TEST(SymbolCache, NoSymbolFilesOrNoClassesAreReported)
{
    WebInstallation inst;
    std::string bitmapdir = inst.dir / "bitmaps";
    char err[KIV_WEB_ERRMSG_LEN];
    EXPECT_EQ(getSymbolClass(1, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_STREQ(err, "Could not load symbol registration files.");

    // The style sheet generation stops and removes what it had written.
    writeFile(inst.templateFile(), "<Styles>\n<!-- INSERT SYMBOLS -->\n</Styles>\n");
    char url[KIV_WEB_URL_LEN];
    EXPECT_EQ(kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err), -1);
    EXPECT_STREQ(err, "Could not load symbol registration files.");
    EXPECT_FALSE(fileExists(inst.styleSheet()));

    // A file that begins a symbol registration but defines no class.
    writeFile(inst.dir / "symbols/C/broken", "SymbolClass ;\n");
    EXPECT_EQ(getSymbolClass(0, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_EQ(std::string(err), "No symbol classes were found in bitmapdir:" + bitmapdir + ".");
    SymbolRegistration* empty = lastSrf;
    EXPECT_NE(empty, nullptr);
    EXPECT_EQ(lastSymbolClass, nullptr);

    // Nothing usable was cached: the next call loads again and finds the classes.
    installSymbols(inst);
    EXPECT_NE(getSymbolClass(0, bitmapdir.c_str(), err, sizeof err), nullptr);
    EXPECT_NE(lastSymbolClass, nullptr);
}

TEST(SymbolCache, MissingBitmapDirectoryLeavesEveryTypeWithoutIcon)
{
    WebInstallation inst;
    installSymbols(inst);
    setenv("KZwwwBitmapDir", (inst.dir / "no/such/dir").c_str(), 1);
    writeFile(inst.templateFile(), "<!-- INSERT SYMBOLS -->\n");
    char url[KIV_WEB_URL_LEN];
    char err[KIV_WEB_ERRMSG_LEN];
    ASSERT_EQ(kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err), 0) << err;
    std::string sheet = readFile(inst.styleSheet());
    EXPECT_EQ(sheet.find("<Image"), std::string::npos);
    EXPECT_NE(sheet.find("bitmapdir:" + (inst.dir / "no/such/dir") + "\n    shapeType:Square\n"
                         "    symbolID:Workstation\n"),
              std::string::npos)
        << sheet;
    EXPECT_EQ(iconUrl("Computer:Workstation"), defaultIcon());
}
