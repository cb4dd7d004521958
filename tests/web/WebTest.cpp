// The web client's functions: icon URLs, the symbol cache behind them and the
// style sheet, on scratch installations and on model objects built here.

#include "kivparser/kivparser.h"
#include "platform/KzPlatform.h"
#include "support/TempDir.h"
#include "web/KivParserNativeCache.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#include <atomic>
#include <filesystem>
#include <thread>

using namespace kivparser;

namespace {

// "http://" + host name + port suffix.
std::string baseUrl()
{
    return std::string("http://") + _KZinetGetMyHostName() + _KZgetWebServerDefaultPortSuffixStr();
}

std::string iconUrl(const char* symClassAndType)
{
    char url[KIV_WEB_URL_LEN];
    kivParserGetIconUrl(url, symClassAndType);
    return url;
}

std::string defaultIcon()
{
    return baseUrl() + "/KzDocs/bitmaps/C/connector/unknownrouter.50.gif";
}

// %KZ_PATH%, the web server's port, the bitmap and symbol directories in a
// temporary directory. The symbol cache is emptied at the end.
class WebInstallation {
public:
    WebInstallation()
    {
        setenv("KZ_PATH", dir.path("kz").c_str(), 1);
        setenv("KZ_WEB_PORT", "8181", 1);
        setenv("KZwwwBitmapDir", dir.path("bitmaps").c_str(), 1);
        setenv("KIvSymDir", dir.path("symbols").c_str(), 1);
    }
    ~WebInstallation() { kivParserReleaseSymbolCache(); }
    std::string styleSheet() const { return dir.path("kz/www/htdocs/C/dynamicViews/dvStyleV7.xml"); }
    std::string templateFile() const { return dir.path("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template"); }

    TempDir dir;
};

// A type with what bitmap discovery would have found (null `dir`: nothing
// found).
SymbolType* addType(SymbolClass* sc, const char* name, const char* fileBase, const char* dir,
                    const std::vector<int>& sizes = {}, bool noSizes = false)
{
    SymbolType* type = sc->newSymbolType(strdup(name));
    if (fileBase)
        type->setFileBase(strdup(fileBase));
    if (dir)
        type->setFileBaseDir(strdup(dir));
    if (!noSizes) {
        String* head = new String();
        for (int size : sizes)
            head->append(new String(size));
        type->setAvailableBitmapSizes(head);
    }
    return type;
}

SymbolClass* addClass(SymbolRegistration* reg, const char* name, VarietyType variety)
{
    SymbolClass* sc = reg->newSymbolClass(strdup(name));
    sc->setVariety(variety);
    return sc;
}

// Everything a writer function puts on a stream.
template <class F>
std::string captureStream(F write)
{
    return writtenBy(write);
}

// The style sheet through the entry point, for a client of another language.
int generate(int force, std::string* err, std::string* url = nullptr)
{
    char urlMem[KIV_WEB_URL_LEN];
    char errMsg[KIV_WEB_ERRMSG_LEN];
    int rc = kivParserSetStyleXMLURLandCreateIfNeeded(urlMem, force, "fr_FR", errMsg, sizeof errMsg);
    *err = errMsg;
    if (url)
        *url = urlMem;
    return rc;
}

// A file the library wrote (in text mode: CR LF read as LF on Windows).
std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return fromTextMode(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

[[maybe_unused]] size_t filesIn(const std::string& dir)
{
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++count;
    }
    return count;
}

std::string copyTemplate(const std::string& text)
{
    TempDir dir;
    char err[KIV_WEB_ERRMSG_LEN];
    int rc = symCreateStyleXML(dir.file("in", text).c_str(), dir.path("out").c_str(), err, sizeof err);
    EXPECT_EQ(rc, 0) << err;
    std::ifstream in(dir.path("out"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

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
    lastSrf = reg; // in the cache, as a load would have left it
    lastSymbolClass = reg->symbolClasses;

    std::string dir = baseUrl() + "/KzDocs/bitmaps/C/computer/";
    EXPECT_NE(defaultIcon().find(":8181/KzDocs/bitmaps/C/connector/unknownrouter.50.gif"), std::string::npos);
    // Without a colon the whole text is the class and the type is empty; only
    // the first colon splits. Texts too long for the 1024-byte buffer name
    // nothing and overflow nothing.
    // clang-format off
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
    // clang-format on
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

    inst.dir.file("symbols/C/computers",
                  "SymbolClass Computer { Variety icon; }\n"
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
    ASSERT_NE(getSymbolClass(1, inst.dir.path("no/such/dir").c_str(), err, sizeof err), nullptr) << err;
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

    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", "<Styles>\n  <!-- INSERT SYMBOLS -->\r\n");
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

// The first base-URL marker of each line is replaced (@ below). Lines written
// on Windows lose the carriage return before the line feed, nowhere else; a
// NUL byte is copied like any other. Long lines go through in pieces of 5118
// bytes: every byte arrives, the marker is replaced once in each piece, and
// one cut in two by a piece boundary stays; a carriage return and line feed
// split over two pieces still end as one line feed.
TEST(StyleSheet, TemplateIsCopiedPieceByPiece)
{
    std::string line(20000, 'x');
    for (size_t at : {0, 100, 5108, 6000})
        line.replace(at, 11, "__BASEURL__");
    std::string lineOut = line;
    lineOut.replace(6000, 11, "@").replace(0, 11, "@");
    std::string v(5107, 'v'), u(5108, 'u'), y(5117, 'y'), w(5118, 'w');
    // clang-format off
    std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"<a href=\"__BASEURL__/x\">__BASEURL__</a>\nplain line\n\n__BASEURL____BASEURL__\nno newline __BASEURL__",
         "<a href=\"@/x\">__BASEURL__</a>\nplain line\n\n@__BASEURL__\nno newline @"},
        {"one\r\ntwo\rthree\r\n\r\r\n", "one\ntwo\rthree\n\r\n"},
        {std::string("a\0b\n", 4), std::string("a\0b\n", 4)},
        {line + "\n" + v + "__BASEURL__" + v + "\n" + u + "__BASEURL__" + u + "\nnext __BASEURL__\n",
         lineOut + "\n" + v + "@" + v + "\n" + u + "__BASEURL__" + u + "\nnext @\n"},
        {y + "\r\nz\n", y + "\nz\n"},
        {w + "\r\n", w + "\n"},
    };
    // clang-format on
    for (auto& c : cases) {
        for (size_t at; (at = c.second.find('@')) != std::string::npos;)
            c.second.replace(at, 1, baseUrl());
        EXPECT_EQ(copyTemplate(c.first), textMode(c.second)) << c.first.substr(0, 40);
    }
}

TEST(StyleSheet, DateMarkerLineBecomesTheGenerationComment)
{
    std::string out = fromTextMode(copyTemplate("<Styles>\n  junk <!-- INSERT DATE --> more junk\n</Styles>\n"));
    std::regex shape(
        "<Styles>\n<!--\nGenerated on\n  "
        "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n"
        "Regenerate this file after installing new icons by adding &updateStyle=1 to a "
        "Dynamic View URL.\n-->\n</Styles>\n");
    EXPECT_TRUE(std::regex_match(out, shape)) << out;
}

// Whatever language the client asks for, the C style sheet is the one. What
// fails is reported with its reason; the sheet that was there stays as it
// was, and nothing half written is left beside it.
TEST(StyleSheet, UrlAndFailures)
{
    WebInstallation inst;
    std::string err, url;
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyleV7.xml", "present");
    ASSERT_EQ(generate(0, &err, &url), 0);
    EXPECT_EQ(url, baseUrl() + "/KzDocs/C/dynamicViews/dvStyleV7.xml");
    EXPECT_NE(url.find(":8181/KzDocs/"), std::string::npos);
    EXPECT_EQ(err, "");
    EXPECT_EQ(slashes(dvStyleXmlRootPath("ja")), slashes(inst.dir.path("kz/www/htdocs/ja/dynamicViews")));

    // An error buffer too small for any message.
    inst.dir.file("t", "x\n");
    char small[64], tiny[8];
    EXPECT_EQ(symCreateStyleXML(inst.dir.path("t").c_str(), inst.dir.path("o").c_str(), small, sizeof small), -1);
    EXPECT_STREQ(small, "INTERNAL ERROR: errBufLen:64, require 1024");
    EXPECT_EQ(symCreateStyleXML(inst.dir.path("t").c_str(), inst.dir.path("o").c_str(), tiny, sizeof tiny), -1);
    EXPECT_STREQ(tiny, "INTERNA");
    EXPECT_FALSE(std::filesystem::exists(inst.dir.path("o")));

    // The output's directory is a plain file.
    char msg[KIV_WEB_ERRMSG_LEN];
    std::string blocked = inst.dir.file("plain") + "/dvStyleV7.xml";
    EXPECT_EQ(symCreateStyleXML(inst.dir.path("t").c_str(), blocked.c_str(), msg, sizeof msg), -1);
#ifdef _WIN32
    const int notADirectory = ENOENT; // Windows: the path is not found
#else
    const int notADirectory = ENOTDIR;
#endif
    EXPECT_EQ(std::string(msg), "Could not create style sheet \"" + blocked + "\": " + strerror(notADirectory));
    setenv("KZ_PATH", inst.dir.path("plain").c_str(), 1);
    EXPECT_EQ(generate(1, &err), -1);
    EXPECT_EQ(err.rfind("Could not open template file \"", 0), 0u) << err;
    setenv("KZ_PATH", inst.dir.path("kz").c_str(), 1);

#ifndef _WIN32
    // A write that fails half-way (POSIX only: a file-size limit makes it
    // fail): the message names the sheet, the old sheet is still there and
    // the partly written one is gone.
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", "short\n" + std::string(20000, 'q') + "\n");
    struct rlimit old, limited;
    getrlimit(RLIMIT_FSIZE, &old);
    limited = old;
    limited.rlim_cur = 8192;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    int rc = symCreateStyleXML(inst.templateFile().c_str(), inst.styleSheet().c_str(), msg, sizeof msg);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(std::string(msg), "fprintf() to " + inst.styleSheet() + " failed: " + strerror(EFBIG));
    EXPECT_EQ(readFile(inst.styleSheet()), "present");
    EXPECT_EQ(filesIn(inst.dir.path("kz/www/htdocs/C/dynamicViews")), 2u); // the template and the sheet
#endif
}

// A template that is not a regular file is refused at once (a FIFO without
// a writer would hang the call with the library's lock held); a failed
// regeneration keeps the old sheet and hands out no URL.
TEST(StyleSheet, TemplateMustBeARegularFileAndFailureKeepsTheOldSheet)
{
    WebInstallation inst;
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyleV7.xml", "old sheet");
    std::string err, url;
    std::string templatePath = inst.templateFile();
    std::filesystem::create_directories(templatePath);
    EXPECT_EQ(generate(1, &err, &url), -1);
    EXPECT_EQ(err, "Could not open template file \"" + templatePath + "\": " + strerror(EISDIR));
    EXPECT_EQ(url, "");
    std::filesystem::remove(templatePath);
#ifndef _WIN32
    // (A FIFO: POSIX only.)
    ASSERT_EQ(mkfifo(templatePath.c_str(), 0600), 0);
    EXPECT_EQ(generate(1, &err, &url), -1);
    EXPECT_EQ(url, "");
    EXPECT_EQ(readFile(inst.styleSheet()), "old sheet");
    EXPECT_EQ(filesIn(inst.dir.path("kz/www/htdocs/C/dynamicViews")), 2u);
    std::filesystem::remove(templatePath);
#endif

    // Without a sheet that is a regular file, asking without force makes it.
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", "fresh\n");
    std::filesystem::remove(inst.styleSheet());
    std::filesystem::create_directories(inst.styleSheet());
    EXPECT_EQ(generate(0, &err, &url), -1);
    EXPECT_EQ(url, "");
    std::filesystem::remove(inst.styleSheet());
    EXPECT_EQ(generate(0, &err, &url), 0) << err;
    EXPECT_EQ(readFile(inst.styleSheet()), "fresh\n");
}

// A reader that polls the sheet while it is generated again and again sees
// the old sheet or the new one, whole, every time.
TEST(StyleSheet, ReadersNeverSeeAPartialSheet)
{
    WebInstallation inst;
    std::string body;
    for (int i = 0; i < 2000; ++i)
        body += "<line number=\"" + std::to_string(i) + "\"/>\n";
    inst.dir.file("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template", body);
    std::string err;
    ASSERT_EQ(generate(1, &err), 0) << err;
    std::atomic<bool> done{false};
    std::atomic<int> partial{0}, reads{0}, unopened{0};
    std::thread reader([&] {
        while (!done) {
            std::ifstream probe(inst.styleSheet(), std::ios::binary);
            if (!probe) {
                // Windows refuses to open a file in the moment it is
                // replaced; elsewhere the name always leads to a sheet.
                ++unopened;
                continue;
            }
            std::string seen = fromTextMode(
                std::string(std::istreambuf_iterator<char>(probe), std::istreambuf_iterator<char>()));
            ++reads;
            if (seen != body)
                ++partial;
        }
    });
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(generate(1, &err), 0) << err;
    done = true;
    reader.join();
    EXPECT_EQ(partial, 0) << "of " << reads << " reads";
    EXPECT_GT(reads, 0);
#ifndef _WIN32
    EXPECT_EQ(unopened, 0);
#endif
}

// Paths and URLs too long for their buffers are refused, without overflow:
// the root of the sheet, the file name behind a root that fits, the port.
TEST(StyleSheet, OverlongPathsAreRefusedWithoutOverflow)
{
    WebInstallation inst;
    std::string err, url;
    setenv("KZ_PATH", inst.dir.path(std::string(600, 'd')).c_str(), 1);
    EXPECT_EQ(generate(0, &err, &url), -1);
    EXPECT_NE(err.find("too long path name("), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), std::string::npos);
    setenv("KZ_PATH", inst.dir.path(std::string(480 - inst.dir.root.size(), 'e')).c_str(), 1);
    EXPECT_EQ(generate(1, &err), -1);
    EXPECT_NE(err.find("too long path name("), std::string::npos) << err;
    setenv("KZ_PATH", inst.dir.path("kz").c_str(), 1);
    setenv("KZ_WEB_PORT", std::string(1100, '9').c_str(), 1);
    EXPECT_EQ(generate(0, &err, &url), -1);
    EXPECT_EQ(url, "");
}

// The sizes of 50 and above, or else the largest one.
TEST(StyleSheet, NodeStyleListsTheLargeSizesOrTheLargestOne)
{
    SymbolRegistration reg;
    SymbolClass* sc = addClass(&reg, "Computer", VFY_ICONVARIETY);
    auto image = [&](const std::vector<int>& sizes, const char* note = nullptr) {
        SymbolType* type = addType(sc, "Workstation", "ws", "C/computer", sizes);
        return captureStream([&](FILE* fp) {
            printNodeStyle(fp, note, "Computer", "Workstation", "Square", "host", ":81", "bitmaps/C/computer", "ws",
                           type->availableBitmapSizes);
        });
    };
    std::regex sizesAttr(".*<Image sizes=\"([^\"]*)\".*");
    // clang-format off
    std::pair<std::vector<int>, const char*> cases[] = {
        {{16, 32, 48}, "48"}, {{48, 16, 32}, "48"}, {{32, 50, 70}, "50,70"}, {{70, 20, 50}, "70,50"}, {{}, "0"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(std::regex_replace(image(c.first), sizesAttr, "$1", std::regex_constants::format_no_copy), c.second);
    EXPECT_EQ(image({20, 50}, "a note"),
              "\n\t\t<!--  a note -->\n\t<NodeStyle id=\"Computer:Workstation\">\n"
              "\t\t<Image sizes=\"50\" uri=\"http://host:81/KzDocs/bitmaps/C/computer/ws.gif\"/>\n"
              "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n");
    // No file base: no Image line; an empty comment is no comment.
    EXPECT_EQ(captureStream([](FILE* fp) {
                  printNodeStyle(fp, "", "Computer", "Generic", "Square", "host", "", nullptr, "", nullptr);
              }),
              "\n\t<NodeStyle id=\"Computer:Generic\">\n\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n");
}

// Known class names have their shape; other classes take it from the number
// of segment points (-1: no segment list); arcs do not count.
TEST(StyleSheet, ShapeComesFromTheClassNameOrTheSegmentCount)
{
    // clang-format off
    struct Case {
        const char* name;
        int points;
        const char* shape;
    } cases[] = {
        {"Application", -1, "Circle"}, {"Client", -1, "Trapezoid"}, {"Computer", 5, "Square"},
        {"Connector", -1, "Diamond"},  {"Domain", -1, "Hexagon"},   {"Medium", -1, "Circle"},
        {"Network", 4, "Circle"},      {"Server", -1, "InverseTrapezoid"},
        {"Service", -1, "Circle"},     {"Software", -1, "Circle"},  {"computer", -1, "Circle"},
        {"Gadget", -1, "Circle"},      {"Gadget", 0, "Circle"},     {"Gadget", 3, "Circle"},
        {"Gadget", 4, "Square"},       {"Gadget", 5, "Trapezoid"},  {"Gadget", 6, "Hexagon"},
        {"Gadget", 7, "Octagon"},      {"Gadget", 12, "Octagon"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SymbolClass sc(strdup(c.name));
        if (c.points >= 0) {
            Point* head = new Point();
            for (int i = 0; i < c.points; ++i)
                head->append(new Point(i, i * 2));
            sc.setSegments(head);
        }
        sc.setArcOrigin(new Point(1, 1));
        EXPECT_STREQ(getShapeStyleForSymbol(&sc), c.shape) << c.name << " with " << c.points;
    }
}

// Only icon classes with types get elements: a generic one, then one per
// type with bitmaps and a note for each type without.
TEST(StyleSheet, ClassElementsOnlyForIconClassesWithTypes)
{
    SymbolRegistration reg;
    SymbolClass* computer = addClass(&reg, "Computer", VFY_ICONVARIETY);
    addType(computer, "Workstation", "workstation", "C\\computer", {20, 50, 70});
    addType(computer, "Laptop", "laptop", nullptr, {}, true);    // no bitmaps found
    addType(computer, "Tablet", nullptr, nullptr, {}, true);     // no file base at all
    addType(computer, "Phone", "phone", "C/computer", {}, true); // directory but no sizes
    addType(addClass(&reg, "Gadget", VFY_NA), "Widget", "widget", "C/gadget", {50});
    addType(addClass(&reg, "Connector", VFY_CONNECTIONVARIETY), "Cable", "cable", "C/connector", {50});
    addClass(&reg, "Empty", VFY_ICONVARIETY);
    auto elements = [](SymbolClass* sc) {
        return captureStream([&](FILE* fp) { outputSymbolForClass(fp, "/bm", "host", ":1", sc); });
    };
    for (SymbolClass* skipped = computer->next(); skipped; skipped = skipped->next())
        EXPECT_EQ(elements(skipped), "") << skipped->symbolID;

    auto note = [](std::string symbolID, std::string fileBase, std::string dir) {
        const std::string head =
            "\n<!--\n  NOTE:\n  Could not find bitmap parameters for\n    bitmapdir:/bm\n    shapeType:Square\n";
        return head + "    symbolID:" + symbolID + "\n    fileBase:" + fileBase + "\n    fileBaseDir:" + dir +
               "\n    availableBitmapSizes:(UNSET)\n  No icon will be displayed for this symbol.\n-->\n\n";
    };
    EXPECT_EQ(elements(computer),
              "\n\t<NodeStyle id=\"Computer:Generic\">\n\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n"
              "\n\t<NodeStyle id=\"Computer:Workstation\">\n"
              "\t\t<Image sizes=\"50,70\" uri=\"http://host:1/KzDocs/bitmaps/C/computer/workstation.gif\"/>\n"
              "\t\t<Shape shapeStyleId=\"Square\"/>\n\t</NodeStyle>\n" +
                  note("Laptop", "laptop", "(UNSET)") + note("Tablet", "(UNSET)", "(UNSET)") +
                  note("Phone", "phone", "C/computer"));
}
