#include "web/WebTestSupport.h"

#include <cerrno>
#include <csignal>
#include <regex>
#include <sys/resource.h>

using namespace kivparser;

using namespace webtest;

namespace {

int generate(int force, std::string* err = nullptr, std::string* url = nullptr)
{
    char urlMem[KIV_WEB_URL_LEN];
    char errMsg[KIV_WEB_ERRMSG_LEN];
    int rc = kivParserSetStyleXMLURLandCreateIfNeeded(urlMem, force, "fr_FR", errMsg, sizeof errMsg);
    if (err)
        *err = errMsg;
    if (url)
        *url = urlMem;
    return rc;
}

std::string copyTemplate(const std::string& text)
{
    TempDir dir;
    writeFile(dir / "in.template", text);
    char err[KIV_WEB_ERRMSG_LEN];
    int rc = symCreateStyleXML((dir / "in.template").c_str(), (dir / "out.xml").c_str(), err, sizeof err);
    EXPECT_EQ(rc, 0) << err;
    return readFile(dir / "out.xml");
}

} // namespace

TEST(StyleSheet, UrlAndDirectoryAlwaysNameTheCLocale)
{
    WebInstallation inst;
    EXPECT_STREQ(dvStyleXmlFileName(), "dvStyleV7.xml");
    EXPECT_EQ(std::string(dvStyleXmlRootPath("C")), inst.styleDir());
    EXPECT_EQ(std::string(dvStyleXmlRootPath("ja")), inst.dir / "kz/www/htdocs/ja/dynamicViews");

    // Whatever language the client asks for, the C style sheet is the one.
    writeFile(inst.styleSheet(), "present");
    std::string err, url;
    ASSERT_EQ(generate(0, &err, &url), 0);
    EXPECT_EQ(url, baseUrl() + "/KzDocs/C/dynamicViews/dvStyleV7.xml");
    EXPECT_EQ(url.compare(0, 7, "http://"), 0);
    EXPECT_NE(url.find(":8181/KzDocs/"), std::string::npos);
    EXPECT_EQ(err, "");
}

TEST(StyleSheet, PresentFileIsLeftAloneUnlessForced)
{
    WebInstallation inst;
    writeFile(inst.styleSheet(), "hand edited\n");
    struct stat before;
    ASSERT_EQ(stat(inst.styleSheet().c_str(), &before), 0);

    // No template at all: without force nothing is even tried.
    std::string err;
    EXPECT_EQ(generate(0, &err), 0);
    EXPECT_EQ(readFile(inst.styleSheet()), "hand edited\n");
    struct stat after;
    ASSERT_EQ(stat(inst.styleSheet().c_str(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    // Forced: the missing template is reported and the old file survives.
    EXPECT_EQ(generate(1, &err), -1);
    EXPECT_EQ(err, "Could not open template file \"" + inst.templateFile() + "\": " + strerror(ENOENT));
    EXPECT_EQ(readFile(inst.styleSheet()), "hand edited\n");

    // With a template the forced call regenerates, and an absent file is generated unforced.
    writeFile(inst.templateFile(), "<Styles base=\"__BASEURL__\"/>\n");
    EXPECT_EQ(generate(1, &err), 0) << err;
    EXPECT_EQ(readFile(inst.styleSheet()), "<Styles base=\"" + baseUrl() + "\"/>\n");
    remove(inst.styleSheet().c_str());
    EXPECT_EQ(generate(0, &err), 0) << err;
    EXPECT_TRUE(fileExists(inst.styleSheet()));
}

TEST(StyleSheet, TemplateWithoutMarkersIsCopiedWithTheFirstBaseUrlOfEachLine)
{
    std::string base = baseUrl();
    EXPECT_EQ(copyTemplate(""), "");
    EXPECT_EQ(copyTemplate("<a href=\"__BASEURL__/x\">__BASEURL__</a>\n"
                           "plain line\n"
                           "\n"
                           "__BASEURL____BASEURL__\n"
                           "no newline at the end __BASEURL__"),
              "<a href=\"" + base + "/x\">__BASEURL__</a>\n"
              "plain line\n"
              "\n" + base + "__BASEURL__\n"
              "no newline at the end " + base);

    // Lines written on Windows lose the carriage return before the line feed,
    // nowhere else; a NUL byte is copied like any other.
    EXPECT_EQ(copyTemplate("one\r\ntwo\rthree\r\n\r\r\n"), "one\ntwo\rthree\n\r\n");
    EXPECT_EQ(copyTemplate(std::string("a\0b\n", 4)), std::string("a\0b\n", 4));
}

TEST(StyleSheet, LongLinesAreCopiedWholePieceByPiece)
{
    std::string base = baseUrl();
    // A 20,000-byte line goes through in pieces of 5118 bytes: every byte
    // arrives, and the base-URL marker is replaced once in each piece.
    std::string line(20000, 'x');
    line.replace(0, 11, "__BASEURL__");
    line.replace(100, 11, "__BASEURL__");   // same piece as the first: stays
    line.replace(5108, 11, "__BASEURL__");  // across the first boundary: not seen
    line.replace(6000, 11, "__BASEURL__");  // second piece
    std::string expected = line;
    expected.replace(6000, 11, base);
    expected.replace(0, 11, base);
    // A marker that ends on the last byte of the first piece is found; one
    // byte later it is cut in two and stays.
    std::string fits = std::string(5107, 'v') + "__BASEURL__" + std::string(100, 'v');
    std::string cut = std::string(5108, 'u') + "__BASEURL__" + std::string(100, 'u');
    EXPECT_EQ(copyTemplate(line + "\n" + fits + "\n" + cut + "\nnext __BASEURL__\n"),
              expected + "\n" + std::string(5107, 'v') + base + std::string(100, 'v') + "\n" + cut +
                  "\nnext " + base + "\n");

    // A carriage return and line feed split over two pieces still end as one line feed.
    std::string crlf(5117, 'y');
    EXPECT_EQ(copyTemplate(crlf + "\r\nz\n"), crlf + "\nz\n");
    std::string exact(5118, 'w');
    EXPECT_EQ(copyTemplate(exact + "\r\n"), exact + "\n");
}

TEST(StyleSheet, DateMarkerLineBecomesTheGenerationComment)
{
    std::string out = copyTemplate("<Styles>\n  junk <!-- INSERT DATE --> more junk\n</Styles>\n");
    std::regex shape("<Styles>\n"
                     "<!--\nGenerated on\n  "
                     "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n"
                     "Regenerate this file after installing new icons by adding &updateStyle=1 to a "
                     "Dynamic View URL.\n"
                     "-->\n"
                     "</Styles>\n");
    EXPECT_TRUE(std::regex_match(out, shape)) << out;
    EXPECT_EQ(out.find("junk"), std::string::npos);
}

TEST(StyleSheet, SmallErrorBufferIsRefused)
{
    TempDir dir;
    writeFile(dir / "t", "x\n");
    char err[64];
    EXPECT_EQ(symCreateStyleXML((dir / "t").c_str(), (dir / "o").c_str(), err, sizeof err), -1);
    EXPECT_STREQ(err, "INTERNAL ERROR: errBufLen:64, require 1024");
    EXPECT_FALSE(fileExists(dir / "o"));
    char tiny[8];
    EXPECT_EQ(symCreateStyleXML((dir / "t").c_str(), (dir / "o").c_str(), tiny, sizeof tiny), -1);
    EXPECT_STREQ(tiny, "INTERNA");
}

TEST(StyleSheet, UnwritableDirectoryAndFailedWritesAreReported)
{
    WebInstallation inst;
    writeFile(inst.templateFile(), "x\n");
    char err[KIV_WEB_ERRMSG_LEN];

    // The output's directory is a plain file: the sheet cannot be created.
    writeFile(inst.dir / "plain", "");
    std::string blocked = inst.dir / "plain/dvStyleV7.xml";
    EXPECT_EQ(symCreateStyleXML(inst.templateFile().c_str(), blocked.c_str(), err, sizeof err), -1);
    EXPECT_EQ(std::string(err), "Could not create style sheet \"" + blocked + "\": " + strerror(ENOTDIR));

    // The same through the entry point: the style sheet directory is missing.
    setenv("KZ_PATH", (inst.dir / "plain").c_str(), 1);
    std::string message;
    EXPECT_EQ(generate(1, &message), -1);
    EXPECT_EQ(message.rfind("Could not open template file \"", 0), 0u) << message;
    setenv("KZ_PATH", (inst.dir / "kz").c_str(), 1);

    // A write that fails half-way: the message names the sheet and the partly
    // written file is gone.
    std::string longLine(20000, 'q');
    writeFile(inst.templateFile(), "short\n" + longLine + "\n");
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 8192;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    int rc = symCreateStyleXML(inst.templateFile().c_str(), inst.styleSheet().c_str(), err, sizeof err);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(std::string(err), "fprintf() to " + inst.styleSheet() + " failed: " + strerror(EFBIG));
    EXPECT_FALSE(fileExists(inst.styleSheet()));
}

TEST(StyleSheet, OverlongPathsAreRefusedWithoutOverflow)
{
    WebInstallation inst;
    std::string deep = inst.dir / std::string(600, 'd');
    setenv("KZ_PATH", deep.c_str(), 1);
    EXPECT_STREQ(dvStyleXmlRootPath("C"), "");
    std::string err, url;
    EXPECT_EQ(generate(0, &err, &url), -1);
    EXPECT_NE(err.find("too long path name("), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), std::string::npos);

    // A root that fits while the file name does not.
    std::string edge = inst.dir / std::string(480 - inst.dir.path().size(), 'e');
    setenv("KZ_PATH", edge.c_str(), 1);
    EXPECT_STRNE(dvStyleXmlRootPath("C"), "");
    EXPECT_EQ(generate(1, &err), -1);
    EXPECT_NE(err.find("too long path name("), std::string::npos) << err;

    // A port suffix that cannot fit the URL buffer.
    setenv("KZ_PATH", (inst.dir / "kz").c_str(), 1);
    setenv("KZ_WEB_PORT", std::string(1100, '9').c_str(), 1);
    EXPECT_EQ(generate(0, &err, &url), -1);
    EXPECT_EQ(url, "");
}

TEST(StyleSheet, NodeStyleListsTheLargeSizesOrTheLargestOne)
{
    auto image = [](std::initializer_list<int> sizes) {
        String* list = sizeList(sizes);
        std::string out = captureStream([&](FILE* fp) {
            printNodeStyle(fp, nullptr, "Computer", "Workstation", "Square", "host", ":81",
                           "bitmaps/C/computer", "ws", list);
        });
        SListOps::disposeList(list);
        std::smatch m;
        std::regex sizesAttr("<Image sizes=\"([^\"]*)\"");
        return std::regex_search(out, m, sizesAttr) ? m[1].str() : std::string("<no image>");
    };
    EXPECT_EQ(image({16, 32, 48}), "48");
    EXPECT_EQ(image({48, 16, 32}), "48");
    EXPECT_EQ(image({32, 50, 70}), "50,70");
    EXPECT_EQ(image({70, 20, 50}), "70,50");
    EXPECT_EQ(image({}), "0");

    String* list = sizeList({20, 50});
    std::string out = captureStream([&](FILE* fp) {
        printNodeStyle(fp, "a note", "Computer", "Workstation", "Square", "host", ":81",
                       "bitmaps/C/computer", "ws", list);
    });
    SListOps::disposeList(list);
    EXPECT_EQ(out, "\n"
                   "\t\t<!--  a note -->\n"
                   "\t<NodeStyle id=\"Computer:Workstation\">\n"
                   "\t\t<Image sizes=\"50\" uri=\"http://host:81/KzDocs/bitmaps/C/computer/ws.gif\"/>\n"
                   "\t\t<Shape shapeStyleId=\"Square\"/>\n"
                   "\t</NodeStyle>\n");

    // No file base: no Image line; an empty comment is no comment.
    out = captureStream([](FILE* fp) {
        printNodeStyle(fp, "", "Computer", "Generic", "Square", "host", "", nullptr, "", nullptr);
    });
    EXPECT_EQ(out, "\n\t<NodeStyle id=\"Computer:Generic\">\n"
                   "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n");
}

TEST(StyleSheet, ShapeComesFromTheClassNameOrTheSegmentCount)
{
    struct Case {
        const char* name;
        int points; // -1: no segment list
        const char* shape;
    } cases[] = {
        {"Application", -1, "Circle"}, {"Client", -1, "Trapezoid"},
        {"Computer", 5, "Square"},     {"Connector", -1, "Diamond"},
        {"Domain", -1, "Hexagon"},     {"Medium", -1, "Circle"},
        {"Network", 4, "Circle"},      {"Server", -1, "InverseTrapezoid"},
        {"Service", -1, "Circle"},     {"Software", -1, "Circle"},
        {"computer", -1, "Circle"},    {"Gadget", -1, "Circle"},
        {"Gadget", 0, "Circle"},       {"Gadget", 3, "Circle"},
        {"Gadget", 4, "Square"},       {"Gadget", 5, "Trapezoid"},
        {"Gadget", 6, "Hexagon"},      {"Gadget", 7, "Octagon"},
        {"Gadget", 12, "Octagon"},
    };
    for (const Case& c : cases) {
        SymbolClass sc(heapText(c.name));
        if (c.points >= 0)
            sc.setSegments(pointList(c.points));
        // Arcs do not count.
        sc.setArcOrigin(new Point(1, 1));
        EXPECT_STREQ(getShapeStyleForSymbol(&sc), c.shape) << c.name << " with " << c.points;
    }
}

TEST(StyleSheet, ClassElementsOnlyForIconClassesWithTypes)
{
    SymbolRegistration reg;
    SymbolClass* computer = reg.newSymbolClass(heapText("Computer"));
    computer->setVariety(VFY_ICONVARIETY);
    addType(computer, "Workstation", "workstation", "C\\computer", sizeList({20, 50, 70}));
    addType(computer, "Laptop", "laptop", nullptr, nullptr);   // no bitmaps found
    addType(computer, "Tablet", nullptr, nullptr, nullptr);     // no file base at all
    addType(computer, "Phone", "phone", "C/computer", nullptr); // directory but no sizes

    SymbolClass* noVariety = reg.newSymbolClass(heapText("Gadget"));
    addType(noVariety, "Widget", "widget", "C/gadget", sizeList({50}));
    SymbolClass* connection = reg.newSymbolClass(heapText("Connector"));
    connection->setVariety(VFY_CONNECTIONVARIETY);
    addType(connection, "Cable", "cable", "C/connector", sizeList({50}));
    SymbolClass* empty = reg.newSymbolClass(heapText("Empty"));
    empty->setVariety(VFY_ICONVARIETY);

    for (SymbolClass* skipped : {noVariety, connection, empty}) {
        std::string none = captureStream([&](FILE* fp) {
            outputSymbolForClass(fp, "/bm", "host", ":1", skipped);
        });
        EXPECT_EQ(none, "") << skipped->symbolID;
    }

    std::string out = captureStream([&](FILE* fp) {
        outputSymbolForClass(fp, "/bm", "host", ":1", computer);
    });
    auto note = [](const char* symbolID, const char* fileBase, const char* dir) {
        return std::string("\n<!--\n  NOTE:\n  Could not find bitmap parameters for\n    bitmapdir:/bm\n"
                           "    shapeType:Square\n    symbolID:") +
               symbolID + "\n    fileBase:" + fileBase + "\n    fileBaseDir:" + dir +
               "\n    availableBitmapSizes:(UNSET)\n  No icon will be displayed for this symbol.\n-->\n\n";
    };
    EXPECT_EQ(out, "\n\t<NodeStyle id=\"Computer:Generic\">\n"
                   "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n"
                   "\n\t<NodeStyle id=\"Computer:Workstation\">\n"
                   "\t\t<Image sizes=\"50,70\" uri=\"http://host:1/KzDocs/bitmaps/C/computer/workstation.gif\"/>\n"
                   "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n" +
                       note("Laptop", "laptop", "(UNSET)") + note("Tablet", "(UNSET)", "(UNSET)") +
                       note("Phone", "phone", "C/computer"));
}
