#include "kivparser/kivparser.h"
#include "symbols/SymbolsTestSupport.h"
#include "dump/DumpWriter.h"

#include <gtest/gtest.h>

using namespace kivparser;

using namespace symtest;

TEST(SymbolRegistration, ClassesKeepOrderAndLookupIsExact)
{
    SymbolRegistration reg;
    EXPECT_EQ(reg.lookupSymbolClass(const_cast<char*>("Computer")), nullptr); // empty list
    SymbolClass* computer = reg.newSymbolClass(heap("Computer"));
    SymbolClass* lower = reg.newSymbolClass(heap("computer"));
    SymbolClass* connector = reg.newSymbolClass(heap("Connector"));
    ASSERT_NE(reg.symbolClasses, nullptr);
    EXPECT_EQ(reg.symbolClasses->symbolID, nullptr); // unnamed head
    EXPECT_EQ(reg.symbolClasses->next(), computer);
    EXPECT_EQ(computer->next(), lower);
    EXPECT_EQ(lower->next(), connector);
    EXPECT_EQ(reg.lookupSymbolClass(const_cast<char*>("computer")), lower);
    EXPECT_EQ(reg.lookupSymbolClass(const_cast<char*>("Computer")), computer);
    EXPECT_EQ(reg.lookupSymbolClass(const_cast<char*>("COMPUTER")), nullptr);
    EXPECT_EQ(reg.lookupSymbolClass(nullptr), nullptr);

    // The same type name under two classes gives two independent types.
    SymbolType* a = computer->newSymbolType(heap("Router"));
    SymbolType* b = connector->newSymbolType(heap("Router"));
    EXPECT_NE(a, b);
    EXPECT_EQ(computer->lookupSymbolType(const_cast<char*>("Router")), a);
    EXPECT_EQ(connector->lookupSymbolType(const_cast<char*>("Router")), b);
    EXPECT_EQ(lower->lookupSymbolType(const_cast<char*>("Router")), nullptr);
}

// Open symbols take every value (the last one counts); frozen ones keep what
// they hold and release what they are given (the leak checker watches).
TEST(SymbolRegistration, SettersReplaceUntilLocked)
{
    SymbolClass cls(heap("C"));
    cls.setFileBase(heap("first"));
    cls.setFileBase(heap("second"));
    cls.setArcOrigin(new Point(1, 2));
    cls.setArcOrigin(new Point(3, 4));
    cls.setArcRotation(10, 20);
    cls.setArcRotation(30); // only the start changes
    Point* segs = new Point();
    segs->append(new Point(0, 0));
    segs->append(new Point(5, 5));
    cls.setSegments(segs);
    Line* line = new Line();
    line->setLineStyle(LNT_DASH);
    cls.setLine(line);
    Capability* caps = new Capability();
    caps->append(new Capability(heap("a"), heap("x")));
    cls.setCapabilities(caps);
    EXPECT_STREQ(cls.fileBase, "second");
    EXPECT_EQ(cls.arcOrigin->x, 3);
    EXPECT_EQ(cls.arcRotationStart, 30);
    EXPECT_EQ(cls.arcRotationDegree, 20);

    cls.locked++;
    cls.setFileBase(heap("third"));
    cls.setDisplayString(heap("ignored"));
    cls.setArcOrigin(new Point(7, 7));
    cls.setArcSize(new Point(7, 7));
    cls.setArcRotation(99, 99);
    cls.setSegments(new Point());
    cls.setLine(new Line());
    cls.setCapabilities(nullptr);
    cls.setScale(5);
    cls.setVariety(VFY_ICONVARIETY);
    cls.setCursorSize(5);
    cls.setLayout(LYT_BUS);
    cls.setDefaultStatusSource(DSS_OBJECT);
    cls.setThickness(5);
    EXPECT_STREQ(cls.fileBase, "second");
    EXPECT_EQ(cls.displayString, nullptr);
    EXPECT_EQ(cls.arcOrigin->x, 3);
    EXPECT_EQ(cls.arcSize, nullptr);
    EXPECT_EQ(cls.arcRotationStart, 30);
    EXPECT_EQ(cls.segments, segs);
    EXPECT_EQ(cls.line, line);
    EXPECT_EQ(cls.capabilities, caps);
    EXPECT_EQ(cls.scale, -1);
    EXPECT_EQ(cls.variety, VFY_NA);
    EXPECT_EQ(cls.cursorSize, -1);
    EXPECT_EQ(cls.layout, LYT_NA);
    EXPECT_EQ(cls.defaultStatusSource, DSS_NA);
    EXPECT_EQ(cls.thickness, -1);
}

TEST(SymbolRegistration, EmptyCapabilitiesClearAndBitmapFactsIgnoreLock)
{
    SymbolType type(heap("T"));
    Capability* caps = new Capability();
    caps->append(new Capability(heap("n"), 3));
    caps->append(new Capability(heap("s"), heap("v")));
    caps->append(new Capability(heap("bare")));
    type.setCapabilities(caps);
    type.setCapabilities(nullptr);
    EXPECT_EQ(type.capabilities, nullptr);

    type.locked = 1;
    type.setAvailableBitmapSizes(intList({20, 32}));
    type.setAvailableBitmapSizes(intList({50}));
    type.setFileBaseDir(heap("C/a"));
    type.setFileBaseDir(heap("C/b"));
    EXPECT_EQ(listValues(type.availableBitmapSizes), (std::vector<std::string>{"50"}));
    EXPECT_STREQ(type.fileBaseDir, "C/b");
}

TEST(SymbolRegistrationDump, ClassAndTypeGolden)
{
    SymbolRegistration reg;
    SymbolClass* cls = reg.newSymbolClass(heap("Net"));
    cls->setFileBase(heap("net"));
    cls->setCursorSize(38);
    cls->setLayout(LYT_STAR);
    Capability* caps = new Capability();
    caps->append(new Capability(heap("a")));
    caps->append(new Capability(heap("b"), heap("x")));
    caps->append(new Capability(heap("c"), 3));
    cls->setCapabilities(caps);
    cls->setDefaultStatusSource(DSS_SYMBOL);
    Line* line = new Line();
    line->setDashLenghs(intList({4, 2}));
    cls->setLine(line);
    cls->setDisplayString(heap("Network"));
    cls->setThickness(2);
    cls->setScale(7);
    cls->setVariety(VFY_CONNECTIONVARIETY);
    cls->setArcOrigin(new Point(1, -2));
    cls->setArcRotation(30);
    Point* segs = new Point();
    segs->append(new Point(0, 0));
    segs->append(new Point(10, 20));
    cls->setSegments(segs);
    SymbolType* type = cls->newSymbolType(heap("Bus"));
    type->setAvailableBitmapSizes(intList({20, 50}));
    type->setFileBaseDir(heap("C/connector"));
    reg.newSymbolClass(heap("Empty"))->setSegments(new Point()); // SEGMENT ; : head only

    std::string out = captureStdout([&] { reg.debugDump(); });
    EXPECT_EQ(out,
              "SymbolClass \"Net\" {\n"
              "    FileBase: \"net\"\n"
              "    CursorSize: 38\n"
              "    LayoutType: 2\n"
              "    Capability : \"a\" = \"b\" = \"x\", \"c\" = 3, \n"
              "    DefaultStatusSource: 2\n"
              "    LineStyle: -1\n"
              "    DashLength: 4, 2, \n"
              "    DisplayString: \"Network\"\n"
              "    Thickness: 2\n"
              "    Scale: 7\n"
              "    Variety: 1\n"
              "    Arc Origin: (1, -2)\n"
              "    Arc Size: <none>\n"
              "    Arc RotationStart:  30\n"
              "    Arc RotationDegree: -1\n"
              "    Segments: (0, 0) (10, 20) \n"
              "    SymbolType \"Bus\" {\n"
              "        FileBase: \"\"\n"
              "        CursorSize: -1\n"
              "        LayoutType: -1\n"
              "        Capability : \n"
              "        DefaultStatusSource: -1\n"
              "        DisplayString: \"\"\n"
              "        Thickness: -1\n"
              "        Available Bitmap Size {\n"
              "            20,\n"
              "            50,\n"
              "        }\n"
              "        Available Bitmap Dir : \"C/connector\"\n"
              "    }\n"
              "}\n"
              "SymbolClass \"Empty\" {\n"
              "    FileBase: \"\"\n"
              "    CursorSize: -1\n"
              "    LayoutType: -1\n"
              "    Capability : \n"
              "    DefaultStatusSource: -1\n"
              "    DisplayString: \"\"\n"
              "    Thickness: -1\n"
              "    Scale: -1\n"
              "    Variety: -1\n"
              "    Arc Origin: <none>\n"
              "    Arc Size: <none>\n"
              "    Arc RotationStart:  -1\n"
              "    Arc RotationDegree: -1\n"
              "    Segments: \n"
              "}\n");
    EXPECT_EQ(Indent, 0);
}
