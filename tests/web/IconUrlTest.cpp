#include "web/WebTestSupport.h"

using namespace kivparser;

using namespace webtest;

namespace {

// A registration as a load with bitmap discovery would leave it.
SymbolRegistration* sampleRegistration()
{
    SymbolRegistration* reg = new SymbolRegistration();
    SymbolClass* computer = reg->newSymbolClass(heapText("Computer"));
    computer->setVariety(VFY_ICONVARIETY);
    addType(computer, "Workstation", "workstation", "C\\computer", sizeList({20, 50}));
    addType(computer, "Laptop", "laptop", "C/computer", sizeList({32, 16}));
    addType(computer, "Pager", "pager", "C/computer", nullptr);   // no size list: 50
    addType(computer, "Brick", "brick", "C/computer", sizeList({})); // empty list: 0
    addType(computer, "Ghost", "ghost", nullptr, sizeList({70}));  // nothing found on disk
    addType(computer, "", "nameless", "C/computer", sizeList({20}));

    SymbolClass* cable = reg->newSymbolClass(heapText("Cable"));
    cable->setVariety(VFY_CONNECTIONVARIETY);
    addType(cable, "Fiber", "fiber", "C/connector", sizeList({50}));

    SymbolClass* plain = reg->newSymbolClass(heapText("Gadget"));
    addType(plain, "Widget", "widget", "C/gadget", sizeList({50}));
    return reg;
}

} // namespace

TEST(IconUrl, LargestBitmapOfAKnownType)
{
    WebInstallation inst;
    cacheRegistration(sampleRegistration());
    std::string base = baseUrl() + "/KzDocs/bitmaps/C/computer/";
    EXPECT_EQ(iconUrl("Computer:Workstation"), base + "workstation.50.gif");
    EXPECT_EQ(iconUrl("Computer:Laptop"), base + "laptop.32.gif");
    EXPECT_EQ(iconUrl("Computer:Pager"), base + "pager.50.gif");
    EXPECT_EQ(iconUrl("Computer:Brick"), base + "brick.0.gif");
    // Without a colon the whole text is the class and the type is empty.
    EXPECT_EQ(iconUrl("Computer"), base + "nameless.20.gif");
    EXPECT_EQ(iconUrl("Computer:"), base + "nameless.20.gif");
    // Only the first colon splits.
    EXPECT_EQ(iconUrl("Computer:Workstation:x"), defaultIcon());
}

TEST(IconUrl, UnknownOrUnusableSymbolsGiveTheDefaultIcon)
{
    WebInstallation inst;
    cacheRegistration(sampleRegistration());
    EXPECT_EQ(defaultIcon().substr(0, 7), "http://");
    EXPECT_NE(defaultIcon().find(":8181/KzDocs/bitmaps/C/connector/unknownrouter.50.gif"), std::string::npos);
    EXPECT_EQ(iconUrl("Computer:Mainframe"), defaultIcon());
    EXPECT_EQ(iconUrl("computer:Workstation"), defaultIcon());
    EXPECT_EQ(iconUrl("Router:Workstation"), defaultIcon());
    EXPECT_EQ(iconUrl("Computer:Ghost"), defaultIcon());
    EXPECT_EQ(iconUrl(""), defaultIcon());
    EXPECT_EQ(iconUrl(nullptr), defaultIcon());
    // A connection class never matches, nor a class without a variety.
    EXPECT_EQ(iconUrl("Cable:Fiber"), defaultIcon());
    EXPECT_EQ(iconUrl("Gadget:Widget"), defaultIcon());

    // Texts too long for the 1024-byte buffer name nothing and overflow nothing.
    std::string longName = "Computer:" + std::string(1015, 'W');
    EXPECT_EQ(longName.size(), 1024u);
    EXPECT_EQ(iconUrl(longName.c_str()), defaultIcon());
    std::string huge(100000, 'C');
    EXPECT_EQ(iconUrl(huge.c_str()), defaultIcon());
}

TEST(IconUrl, TheFirstIconClassOfTheNameIsTheOnlyOneExamined)
{
    WebInstallation inst;
    SymbolRegistration* reg = new SymbolRegistration();
    // A connection class and a class without types of the same name are
    // passed over; after the first icon class with types the search ends.
    SymbolClass* first = reg->newSymbolClass(heapText("Computer"));
    first->setVariety(VFY_CONNECTIONVARIETY);
    addType(first, "Workstation", "wrong", "C/a", sizeList({20}));
    SymbolClass* second = reg->newSymbolClass(heapText("Computer"));
    second->setVariety(VFY_ICONVARIETY);
    SymbolClass* third = reg->newSymbolClass(heapText("Computer"));
    third->setVariety(VFY_ICONVARIETY);
    addType(third, "Laptop", "laptop", "C/b", sizeList({20}));
    SymbolClass* fourth = reg->newSymbolClass(heapText("Computer"));
    fourth->setVariety(VFY_ICONVARIETY);
    addType(fourth, "Workstation", "late", "C/c", sizeList({20}));
    cacheRegistration(reg);

    EXPECT_EQ(iconUrl("Computer:Laptop"), baseUrl() + "/KzDocs/bitmaps/C/b/laptop.20.gif");
    EXPECT_EQ(iconUrl("Computer:Workstation"), defaultIcon());
}
