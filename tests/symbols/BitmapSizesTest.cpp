#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kivparser;

namespace {

using Sizes = std::vector<int>;

// A registration with one class and one type per file base (null: none).
class Symbols {
public:
    explicit Symbols(const std::vector<const char*>& bases)
    {
        SymbolClass* net = registration.newSymbolClass(strdup("Net"));
        for (const char* base : bases) {
            types.push_back(net->newSymbolType(strdup(("T" + std::to_string(types.size())).c_str())));
            if (base)
                types.back()->setFileBase(strdup(base));
        }
    }
    void store(const TempDir& tree, const char* ext)
    {
        registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, ext);
    }
    Sizes sizes(int i) const
    {
        Sizes out;
        String* head = types[i]->availableBitmapSizes;
        for (String* size = head ? head->next() : nullptr; size; size = size->next())
            out.push_back(size->isInteger() ? size->integer : -100);
        return out;
    }
    std::string dir(int i) const { return types[i]->fileBaseDir ? types[i]->fileBaseDir : "<null>"; }

    SymbolRegistration registration;
    std::vector<SymbolType*> types;
};

} // namespace

TEST(BitmapSizes, SizesAndDirectoryOfEachFileBase)
{
    LocaleGuard locale("C");
    TempDir tree;
    for (const char* name : {"connector/router.20.gif", "connector/router.50.gif", "connector/router.32.gif",
                             "connector/README", "net/hub.100.gif", "net/hub.20.gif", "net/hub.20.png",
                             "net/hub.big.gif", "a/switch.gif", "a/switch", "b/bridge.50.GIF", "c/bus.1.gif.bak"})
        tree.file("bitmaps/C/" + std::string(name));

    Symbols symbols({"router", "hub", nullptr, "nowhere", "Router", "switch", "bridge", "bus"});
    symbols.store(tree, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{20, 32, 50}));
    EXPECT_EQ(symbols.dir(0), "C/connector");
    // File-name order; a number without digits reads 0; a file of another
    // extension between two bitmaps does not end the run.
    EXPECT_EQ(symbols.sizes(1), (Sizes{100, 20, 0}));
    EXPECT_EQ(symbols.dir(1), "C/net");
    // No base, no file of it, another letter case, one dot or none, another
    // extension or one that only begins with the wanted one: unchanged.
    for (int i = 2; i < 8; ++i)
        EXPECT_TRUE(!symbols.types[i]->availableBitmapSizes && !symbols.types[i]->fileBaseDir) << i;

    // The extension is compared exactly and as a whole.
    Symbols other({"bridge", "bus"});
    other.store(tree, "GIF");
    EXPECT_EQ(other.sizes(0), (Sizes{50}));
    other.store(tree, "gif.bak");
    EXPECT_EQ(other.sizes(1), (Sizes{1}));
    EXPECT_EQ(other.dir(1), "C/c");
}

TEST(BitmapSizes, RunOfAdjacentFilesMayCrossDirectories)
{
    LocaleGuard locale("C");
    TempDir tree;
    for (const char* name : {"a/router.50.gif", "b/router.70.gif", "b/switch.10.gif", "c/switch.20.gif",
                             "d/bridge.30.gif", "e/hub.5.gif", "f/bridge.40.gif"})
        tree.file("bitmaps/C/" + std::string(name));

    Symbols symbols({"router", "switch", "bridge"});
    symbols.store(tree, "gif");
    // The directory is the one of the first file.
    EXPECT_EQ(symbols.sizes(0), (Sizes{50, 70}));
    EXPECT_EQ(symbols.dir(0), "C/a");
    EXPECT_EQ(symbols.sizes(1), (Sizes{10, 20}));
    EXPECT_EQ(symbols.dir(1), "C/b");
    // A bitmap of another base ends the run.
    EXPECT_EQ(symbols.sizes(2), (Sizes{30}));
    EXPECT_EQ(symbols.dir(2), "C/d");
}

TEST(BitmapSizes, LanguageDirectoryAndDeepNames)
{
    LocaleGuard locale("C.utf8");
    TempDir tree;
    std::string lang = locale.language;
    std::string deep = std::string(80, 'x') + "/" + std::string(80, 'y');
    for (std::string name : {lang + "/net/router.20.gif", std::string("C/net/router.20.gif"),
                             std::string("C/net/switch.32.gif"), std::string("C/bus.7.gif"), "C/" + deep + "/hub.20.gif",
                             "C/" + deep + "/hub.123456789012345678901234567890.gif"})
        tree.file("bitmaps/" + name);

    Symbols symbols({"router", "switch", "bus", "hub"});
    symbols.store(tree, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{20}));
    EXPECT_EQ(symbols.dir(0), lang + "/net");
    EXPECT_EQ(symbols.dir(1), "C/net");
    EXPECT_EQ(symbols.dir(2), "C");
    // An oversized number reads as the largest int.
    EXPECT_EQ(symbols.sizes(3), (Sizes{2147483647, 20}));
    EXPECT_EQ(symbols.dir(3), "C/" + deep);
}

TEST(BitmapSizes, SecondCallReplacesWhatItFinds)
{
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("bitmaps/C/net/router.20.gif");
    tree.file("bitmaps/C/net/switch.10.gif");

    Symbols symbols({"router", "switch"});
    symbols.types[0]->locked = 1; // what is on disk is not part of a definition
    symbols.store(tree, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{20}));

    std::filesystem::remove_all(tree.path("bitmaps/C/net"));
    tree.file("bitmaps/C/new/router.32.gif");
    tree.file("bitmaps/C/new/router.48.gif");
    symbols.store(tree, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{32, 48}));
    EXPECT_EQ(symbols.dir(0), "C/new");
    // A base no longer found keeps what the earlier call gave it.
    EXPECT_EQ(symbols.sizes(1), (Sizes{10}));
    EXPECT_EQ(symbols.dir(1), "C/net");

    // Nothing to scan, or nothing to fill: nothing changes.
    symbols.registration.StoreBitmapSizes(tree.path("missing").c_str(), 0, "gif");
    symbols.registration.StoreBitmapSizes(nullptr, 0, "gif");
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, nullptr);
    EXPECT_EQ(symbols.sizes(0), (Sizes{32, 48}));
    SymbolRegistration empty;
    empty.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(empty.symbolClasses, nullptr);
}
