#include "language/LanguageFiles.h"

#include <gtest/gtest.h>

using namespace kivparser;

// Files that use every statement of each registration kind: the grammar
// must take all of them without a report.

namespace {

const char* const APPLICATION_FILE = R"REG(
// every application statement
Application "Demo" : Parent {
    Description { "first line", "second line", }
    Copyright { "(c) nobody" }
    DisplayString "Demo application";
    "verification-key";
    HelpDirectory "help/demo";
    NameField "Selection Name", IP_Address, "Other";
    Command -Initial -Shared -Restart -DisableSymDelete "demo -x" On host StartedBy launcher;
    Command "plain";
    Version "1.0";
    MenuBar <10> "Tools" _T {
        <20> "Open" _O Ctrl<Key>O f.action open;
        "Submenu" f.menu Sub;
        @"icons/run.gif" _R context (isNode && (isRouter || isHub)) f.action run;
        "Shell" ! "ls -l";
        "Quiet" context isNode f.exec;
        ;
    }
    MenuBar "Help" { }
    Menu Sub { "Leaf" _L Alt<Key>L f.action leaf; }
    PopupItem <5> "Popup" context isNode targetsymboltype any f.action open;
    PopupItem "Alert" context a targetsymboltype "symbolalert" : any f.menu pm;
    PopupItem "Alert2" context a targetsymboltype symbolalert : f.action x;
    PopupItem "Alert3" context a targetsymboltype symbolalert : Critical f.action x;
    PopupItem "Class" context a targetsymboltype Connector : any f.action x;
    PopupItem "Type" context a targetsymboltype Connector : Router ! "cmd";
    PopupMenu pm { <1> "Entry" context x targetsymboltype any f.action open; ; }
    ToolbarButton <3> @"icons/tb.gif" context always f.action open;
    Action open {
        SelectionRule (isNode || isRouter) && !isHub && "vendor" == "acme" || model != 3 || 1;
        SelectionRule x == 4 && y != "z";
        NameField a, b;
        MinSelected 1;
        MaxSelected 10;
        CallbackArgs "-x";
        Command -Shared "open $OVw";
        DisplayString "Open";
        URL "/cgi-bin/open?x=1";
        Access admin 3 "operator";
        WebWindow "win" { Type limited; Type full; Type intermediate; Type menuonly;
                          Status on; Scrollbars off; Toolbar on; Location off; Resizable on;
                          Width 640; Height 480; ; }
        ;
    }
    Action run { }
    Action leaf { }
    Action x { }
    Enroll Add { if isNode { Scale 2; InitialVerify on; HelpFile "h"; HelpIndex "i";
                            Help browser "b"; Help quick "q"; Help string "s"; Help manpage "m";
                            Help textfile "t"; Help helpfile "f"; Help helpindex "x"; ;
                            Field "Name" { NoDisplay off; ImmediateVerify on; Label "Name:";
                                           Geometry 1, 2; Geometry 1, 2, 30, 4;
                                           EditPolicy edit; EditPolicy noedit; EditPolicy editoncreation;
                                           ListDisplayPolicy selectionlistbox;
                                           ListSelectionPolicy none; ListSelectionPolicy single;
                                           ListSelectionPolicy multiple;
                                           IntegerDisplayPolicy hex; IntegerDisplayPolicy octal;
                                           IntegerDisplayPolicy integer; IntegerDisplayPolicy unsigned;
                                           IntegerDisplayPolicy ipaddr; EditPosition 3;
                                           DefaultValue "x"; DefaultValue 4; DefaultValue ident; ; }
                            Field Other { } } }
    Enroll Describe { }
    Enroll Add, Describe { if a { } if b { } }
    Enroll Describe, Add { }
    Enroll Connect { if a, b { Field f { } } }
    Enroll Configuration { Scale 1; Field g { Label "G"; } }
    DropAction drop { Operations opmove opcopy opmove; SelectionRule isNode; HelpString "drop here"; }
    DropAction empty { }
    Tab <2> "Tab" icon "tab.gif" ActiveHelp { "tab help", "more" } {
        <1> "Item" icon "i.gif" ActiveHelp { "item help" } f.list L;
        Item2 f.action open;
    }
    Tab T2 { }
    List L icon "l.gif" { "Entry" ! "cmd"; }
    List L2 ActiveHelp { "h" } { }
    ;
}
)REG";

const char* const SYMBOL_FILE = R"REG(
SymbolClass Connector {
    Scale 3;
    Arc Origin (0, 0) Size (10, 10) Rotation 0;
    Arc Origin (1, -1) Size (2, 2) Rotation 0, 90;
    Segment (0, 0) to (5, 5) to (10, 0);
    Segment ;
    Segment (1, 2) to ;
    Variety icon;
    Variety connection;
    Capabilities { isRouter; vendor = "acme"; model = cisco; ports = 24; }
    Capabilities { }
    DefaultStatusSource compound;
    DefaultStatusSource object;
    DefaultStatusSource symbol;
    DefaultLayout ring; DefaultLayout bus; DefaultLayout star; DefaultLayout pointtopoint;
    DefaultLayout rowcolumn; DefaultLayout none;
    FileBase "conn";
    FileBase conn2;
    CursorSize 16
    DisplayString "Connector";
    LineStyle solid;
    LineStyle dash;
    LineDashPattern 4, 2, 1;
    Thickness 2;
    ;
}
SymbolType Connector : Router {
    FileBase router; CursorSize 32 ; DefaultLayout bus; Capabilities { a; }
    DefaultStatusSource symbol; LineDashPattern 1; DisplayString "Router"; Thickness 1; ;
}
SymbolType "Connector" : "Hub" { }
SymbolClass Empty { }
)REG";

const char* const FIELD_FILE = R"REG(
Field "Name" { Type string; Flags list, name, locate, global, capability; DisplayString "N"; ; }
Field Enum { Type enumeration; Enumeration a, "b", c; Flags ; Flags general; }
Field Flag { Type boolean; }
Field Count { Type integer32; Type stringtype; }
Field Empty { }
)REG";

const char* const CGI_FILE = R"REG(
CGI "view" {
    Description { "Viewer" }
    Copyright { "(c)", }
    Version "2";
    Command "view.exe";
    CgiPath "/cgi-bin/view";
    IconPath "/icons/view.gif";
    AcceptArguments { Option "-a" ; Option "-b" { } Option "-c" { "x", "y" } }
    AcceptArguments { }
    IgnoreActions { Application "App" ; Application Other { } Application "Third" { "a", "b", } }
    ;
}
CGI other { Command "o"; CgiPath "/o"; }
)REG";

int errorsOf(LanguageDir& dir, const char* content)
{
    std::string path = dir.write("full.reg", content);
    KivParser parser(const_cast<char*>(path.c_str()), nullptr, nullptr, nullptr, nullptr, 0);
    releaseRoots(parser);
    return parser.errors;
}

} // namespace

TEST(Grammar, EveryStatementOfEveryKindIsAccepted)
{
    LanguageDir dir;
    EXPECT_EQ(errorsOf(dir, APPLICATION_FILE), 0);
    EXPECT_EQ(errorsOf(dir, SYMBOL_FILE), 0);
    EXPECT_EQ(errorsOf(dir, FIELD_FILE), 0);
    EXPECT_EQ(errorsOf(dir, CGI_FILE), 0);
}

TEST(Grammar, KindsDoNotMixAndStatementsStayInTheirBlocks)
{
    LanguageDir dir;
    // One application per file.
    EXPECT_EQ(errorsOf(dir, "Application a { } Application b { }"), 1);
    // A symbol file holds no fields, a field file no symbols.
    EXPECT_EQ(errorsOf(dir, "SymbolClass c { } Field f { }"), 1);
    EXPECT_EQ(errorsOf(dir, "Field f { } SymbolType c : t { }"), 1);
    // Statements of one block are errors in another.
    EXPECT_EQ(errorsOf(dir, "Application a { Action x { MenuBar m { } } }"), 1);
    EXPECT_EQ(errorsOf(dir, "SymbolType c : t { Scale 2; }"), 1);
    // A drop action has no empty statement; a window block cannot be empty.
    EXPECT_EQ(errorsOf(dir, "Application a { DropAction d { ; } }"), 1);
    EXPECT_EQ(errorsOf(dir, "Application a { Action x { WebWindow w { } } }"), 1);
    // A menu item's accelerator is scanned only after its label: a popup
    // item takes no mnemonic.
    EXPECT_EQ(errorsOf(dir, "Application a { PopupItem \"p\" _P context x targetsymboltype any ! \"c\"; }"),
              1);
}
