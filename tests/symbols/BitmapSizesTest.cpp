#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

// A registration with one class and one type per file base (null: none).
class Symbols {
public:
    Symbols(const TempDir& tree, std::initializer_list<const char*> bases) : tree(tree)
    {
        SymbolClass* net = registration.newSymbolClass(strdup("Net"));
        for (const char* base : bases) {
            types.push_back(net->newSymbolType(strdup(("T" + std::to_string(types.size())).c_str())));
            if (base)
                types.back()->setFileBase(strdup(base));
        }
    }
    // Stores the sizes of the tree's bitmaps with extension `ext`; what each
    // type has then, "sizes@directory" or "-", separated by blanks (the
    // directories written with '/').
    std::string store(const char* ext)
    {
        registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, ext);
        std::string out;
        for (SymbolType* type : types) {
            String* head = type->availableBitmapSizes;
            std::string sizes;
            for (String* size = head ? head->next() : nullptr; size; size = size->next())
                sizes += (sizes.empty() ? "" : ",") + std::to_string(size->integer);
            out += (out.empty() ? "" : " ") + (head || type->fileBaseDir ? sizes + "@" : "-") +
                   slashes(type->fileBaseDir ? type->fileBaseDir : "");
        }
        return out;
    }

    const TempDir& tree;
    SymbolRegistration registration;
    std::vector<SymbolType*> types;
};

void bitmaps(const TempDir& tree, std::initializer_list<std::string> names)
{
    for (const std::string& name : names)
        tree.file("bitmaps/" + name);
}

} // namespace

// File-name order; a number without digits reads 0; a file of another
// extension between two bitmaps does not end the run. No base, no file of
// it, another letter case, one dot or none, another extension or one that
// only begins with the wanted one: nothing stored. The extension is compared
// exactly and as a whole.
TEST(BitmapSizes, SizesAndDirectoryOfEachFileBase)
{
    LocaleGuard locale("C");
    TempDir tree;
    bitmaps(tree, {"C/connector/router.20.gif", "C/connector/router.50.gif", "C/connector/router.32.gif",
                   "C/connector/README", "C/net/hub.100.gif", "C/net/hub.20.gif", "C/net/hub.20.png",
                   "C/net/hub.big.gif", "C/a/switch.gif", "C/a/switch", "C/b/bridge.50.GIF", "C/c/bus.1.gif.bak"});
    Symbols symbols(tree, {"router", "hub", nullptr, "nowhere", "Router", "switch", "bridge", "bus"});
    EXPECT_EQ(symbols.store("gif"), "20,32,50@C/connector 100,20,0@C/net - - - - - -");
    Symbols other(tree, {"bridge", "bus"});
    EXPECT_EQ(other.store("GIF"), "50@C/b -");
    EXPECT_EQ(other.store("gif.bak"), "50@C/b 1@C/c");
}

// A run of adjacent files crosses directories (the directory is the one of
// the first file); a bitmap of another base ends it.
TEST(BitmapSizes, RunOfAdjacentFilesMayCrossDirectories)
{
    LocaleGuard locale("C");
    TempDir tree;
    bitmaps(tree, {"C/a/router.50.gif", "C/b/router.70.gif", "C/b/switch.10.gif", "C/c/switch.20.gif",
                   "C/d/bridge.30.gif", "C/e/hub.5.gif", "C/f/bridge.40.gif"});
    EXPECT_EQ(Symbols(tree, {"router", "switch", "bridge"}).store("gif"), "50,70@C/a 10,20@C/b 30@C/d");
}

// The language subdirectory comes first; deep names are no problem; an
// oversized number reads as the largest int.
TEST(BitmapSizes, LanguageDirectoryAndDeepNames)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    std::string lang = locale.language;
    std::string deep = std::string(80, 'x') + "/" + std::string(80, 'y');
    bitmaps(tree, {lang + "/net/router.20.gif", "C/net/router.20.gif", "C/net/switch.32.gif", "C/bus.7.gif",
                   "C/" + deep + "/hub.20.gif", "C/" + deep + "/hub.123456789012345678901234567890.gif"});
    EXPECT_EQ(Symbols(tree, {"router", "switch", "bus", "hub"}).store("gif"),
              "20@" + lang + "/net 32@C/net 7@C 2147483647,20@C/" + deep);
}

// What is on disk is not part of a definition: a frozen type takes it, a
// second call replaces what it finds and keeps the rest.
TEST(BitmapSizes, SecondCallReplacesWhatItFinds)
{
    LocaleGuard locale("C");
    TempDir tree;
    bitmaps(tree, {"C/net/router.20.gif", "C/net/switch.10.gif"});
    Symbols symbols(tree, {"router", "switch"});
    symbols.types[0]->locked = 1;
    EXPECT_EQ(symbols.store("gif"), "20@C/net 10@C/net");

    std::filesystem::remove_all(tree.path("bitmaps/C/net"));
    bitmaps(tree, {"C/new/router.32.gif", "C/new/router.48.gif"});
    EXPECT_EQ(symbols.store("gif"), "32,48@C/new 10@C/net");

    // Nothing to scan, or nothing to fill: nothing changes.
    symbols.registration.StoreBitmapSizes(tree.path("missing").c_str(), 0, "gif");
    symbols.registration.StoreBitmapSizes(nullptr, 0, "gif");
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, nullptr);
    SymbolRegistration().StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    testing::internal::CaptureStdout();
    symbols.registration.debugDump();
    std::ifstream expected(std::string(KIVPARSER_TEST_DATA) + "/symbols/bitmaps.dump");
    EXPECT_EQ(slashes(testing::internal::GetCapturedStdout()),
              std::string(std::istreambuf_iterator<char>(expected), std::istreambuf_iterator<char>()));
}
