#include "kivparser.h"
#include "loading/TempTree.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A registration with one class "Net" and one type per file base given (a
// null base gives a type without one).
class Symbols {
public:
    explicit Symbols(const std::vector<const char*>& bases)
    {
        SymbolClass* net = registration.newSymbolClass(strdup("Net"));
        int n = 0;
        for (const char* base : bases) {
            SymbolType* type = net->newSymbolType(strdup(("T" + std::to_string(n++)).c_str()));
            if (base)
                type->setFileBase(strdup(base));
            types.push_back(type);
        }
    }

    std::vector<int> sizes(int i) const
    {
        std::vector<int> out;
        String* head = types[i]->availableBitmapSizes;
        for (String* size = head ? head->next() : nullptr; size; size = size->next()) {
            EXPECT_TRUE(size->isInteger());
            out.push_back(size->integer);
        }
        return out;
    }

    std::string dir(int i) const { return types[i]->fileBaseDir ? types[i]->fileBaseDir : "<null>"; }

    SymbolRegistration registration;
    std::vector<SymbolType*> types;
};

using Sizes = std::vector<int>;

} // namespace

TEST(BitmapSizes, SizesAndDirectoryOfEachFileBase)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("bitmaps/C/connector/router.20.gif");
    tree.file("bitmaps/C/connector/router.50.gif");
    tree.file("bitmaps/C/connector/router.32.gif");
    tree.file("bitmaps/C/connector/README");
    tree.file("bitmaps/C/net/hub.100.gif");
    tree.file("bitmaps/C/net/hub.20.gif");
    tree.file("bitmaps/C/net/hub.big.gif");

    Symbols symbols({"router", "hub", nullptr, "nowhere", "Router"});
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");

    EXPECT_EQ(symbols.sizes(0), (Sizes{20, 32, 50}));
    EXPECT_EQ(symbols.dir(0), "C/connector");
    // File-name order, not numeric order; a size without digits reads 0.
    EXPECT_EQ(symbols.sizes(1), (Sizes{100, 20, 0}));
    EXPECT_EQ(symbols.dir(1), "C/net");
    // No base, no files of the base, or a base in another letter case:
    // the type stays as it was.
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(symbols.types[i]->availableBitmapSizes, nullptr);
        EXPECT_EQ(symbols.types[i]->fileBaseDir, nullptr);
    }
}

TEST(BitmapSizes, OnlyNamesOfTheFormBaseNumberExtensionCount)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("bitmaps/C/a/router.gif");
    tree.file("bitmaps/C/a/router");
    tree.file("bitmaps/C/b/switch.50.GIF");
    tree.file("bitmaps/C/c/bridge.20.gif.bak");
    tree.file("bitmaps/C/c/bridge.x20.tar.gz");
    tree.file("bitmaps/C/d/hub.20.gif");
    tree.file("bitmaps/C/d/hub.20.png");
    tree.file("bitmaps/C/d/hub.30.gif");

    Symbols symbols({"router", "switch", "bridge", "hub"});
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(symbols.types[0]->availableBitmapSizes, nullptr);
    EXPECT_EQ(symbols.types[1]->availableBitmapSizes, nullptr);
    EXPECT_EQ(symbols.types[2]->availableBitmapSizes, nullptr);
    // A file of another extension between two bitmaps does not end the run.
    EXPECT_EQ(symbols.sizes(3), (Sizes{20, 30}));

    // The extension is compared exactly, and as a whole.
    Symbols upper({"switch", "bridge"});
    upper.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "GIF");
    EXPECT_EQ(upper.sizes(0), (Sizes{50}));
    EXPECT_EQ(upper.dir(0), "C/b");
    upper.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "tar.gz");
    EXPECT_EQ(upper.sizes(1), (Sizes{0}));
    EXPECT_EQ(upper.dir(1), "C/c");
}

TEST(BitmapSizes, RunOfAdjacentFilesMayCrossDirectories)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("bitmaps/C/a/router.50.gif");
    tree.file("bitmaps/C/b/router.70.gif");
    tree.file("bitmaps/C/b/switch.10.gif");
    tree.file("bitmaps/C/c/switch.20.gif");
    tree.file("bitmaps/C/d/bridge.30.gif");
    tree.file("bitmaps/C/e/hub.5.gif");
    tree.file("bitmaps/C/f/bridge.40.gif");

    Symbols symbols({"router", "switch", "bridge"});
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    // The directory is the one of the first file.
    EXPECT_EQ(symbols.sizes(0), (Sizes{50, 70}));
    EXPECT_EQ(symbols.dir(0), "C/a");
    EXPECT_EQ(symbols.sizes(1), (Sizes{10, 20}));
    EXPECT_EQ(symbols.dir(1), "C/b");
    // A bitmap of another base ends the run.
    EXPECT_EQ(symbols.sizes(2), (Sizes{30}));
    EXPECT_EQ(symbols.dir(2), "C/d");
}

TEST(BitmapSizes, LanguageDirectoryCompletedFromC)
{
    LocaleGuard locale("C.utf8");
    TempTree tree;
    std::string lang = locale.language;
    tree.file("bitmaps/" + lang + "/net/router.20.gif");
    tree.file("bitmaps/C/net/router.20.gif");
    tree.file("bitmaps/C/net/switch.32.gif");

    Symbols symbols({"router", "switch"});
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{20}));
    EXPECT_EQ(symbols.dir(0), lang + "/net");
    EXPECT_EQ(symbols.sizes(1), (Sizes{32}));
    EXPECT_EQ(symbols.dir(1), "C/net");
}

TEST(BitmapSizes, SecondCallReplacesWhatItFinds)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("bitmaps/C/net/router.20.gif");
    tree.file("bitmaps/C/net/switch.10.gif");

    Symbols symbols({"router", "switch"});
    // Bitmap discovery is not part of a definition: frozen types take it too.
    symbols.types[0]->locked = 1;
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{20}));
    EXPECT_EQ(symbols.sizes(1), (Sizes{10}));

    std::filesystem::remove(tree.path("bitmaps/C/net/router.20.gif"));
    std::filesystem::remove(tree.path("bitmaps/C/net/switch.10.gif"));
    tree.file("bitmaps/C/new/router.32.gif");
    tree.file("bitmaps/C/new/router.48.gif");
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{32, 48}));
    EXPECT_EQ(symbols.dir(0), "C/new");
    // A base no longer found keeps what the earlier call gave it.
    EXPECT_EQ(symbols.sizes(1), (Sizes{10}));
    EXPECT_EQ(symbols.dir(1), "C/net");

    // Nothing to scan: nothing changes.
    symbols.registration.StoreBitmapSizes(tree.path("missing").c_str(), 0, "gif");
    symbols.registration.StoreBitmapSizes(nullptr, 0, "gif");
    EXPECT_EQ(symbols.sizes(0), (Sizes{32, 48}));
}

TEST(BitmapSizes, EmptyRegistrationAndDeepNames)
{
    LocaleGuard locale("C");
    TempTree tree;
    tree.file("bitmaps/C/router.20.gif");
    std::string deep = "bitmaps/C/" + std::string(80, 'x') + "/" + std::string(80, 'y');
    tree.file(deep + "/hub.20.gif");
    tree.file(deep + "/hub.123456789012345678901234567890.gif");

    SymbolRegistration empty;
    empty.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    EXPECT_EQ(empty.symbolClasses, nullptr);

    Symbols symbols({"router", "hub"});
    symbols.registration.StoreBitmapSizes(tree.path("bitmaps").c_str(), 0, "gif");
    // Directly in the language directory: the directory part is "C".
    EXPECT_EQ(symbols.dir(0), "C");
    // An oversized number reads as the largest int.
    EXPECT_EQ(symbols.sizes(1), (Sizes{2147483647, 20}));
    EXPECT_EQ(symbols.dir(1), deep.substr(strlen("bitmaps/")));
}
