#include "SyntheticInstallation.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

namespace {

void add(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void add(std::string& out, const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        out.append(buffer, n < (int)sizeof buffer ? n : (int)sizeof buffer - 1);
}

bool writeFile(const std::filesystem::path& path, const std::string& text, long* total)
{
    FILE* fp = fopen(path.c_str(), "w");
    if (!fp)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), fp) == text.size();
    ok = fclose(fp) == 0 && ok;
    *total += (long)text.size();
    return ok;
}

// The three shared menu bars an application adds to, all different.
int barOf(int index, int slot)
{
    static const int offsets[3] = {0, 3, 5};
    return (index + offsets[slot]) % SyntheticInstallation::SHARED_BARS;
}

int barPrecedence(int bar)
{
    return 100 - 10 * bar;
}

// Spreads the entries' precedences over the whole range, so that sorted
// insertion meets every case (before, among and after equal keys).
int spread(int index, int salt)
{
    return (index * 37 + salt * 11) % 101;
}

int classCount(int applications)
{
    int n = (applications + SyntheticInstallation::TYPES_PER_CLASS - 1) / SyntheticInstallation::TYPES_PER_CLASS;
    return n < 1 ? 1 : n;
}

int fieldFileCount(int applications)
{
    int n = (applications + SyntheticInstallation::FIELDS_PER_FILE - 1) / SyntheticInstallation::FIELDS_PER_FILE;
    return n < 1 ? 1 : n;
}

// Emits the peer's configuration syntax: groups in braces, lists in
// parentheses, arrays in brackets, elements separated by commas.
class PeerWriter {
public:
    explicit PeerWriter(std::string& out) : out(out) { first.push_back(true); }

    void text(const char* name, const std::string& value)
    {
        add(out, "%*s%s = \"%s\";\n", indent(), "", name, value.c_str());
    }
    void number(const char* name, int value) { add(out, "%*s%s = %d;\n", indent(), "", name, value); }
    void array(const char* name, const std::vector<std::string>& values)
    {
        add(out, "%*s%s = [", indent(), "", name);
        for (size_t i = 0; i < values.size(); ++i)
            add(out, "%s\"%s\"", i ? ", " : " ", values[i].c_str());
        out += " ];\n";
    }
    void beginList(const char* name)
    {
        add(out, "%*s%s = (\n", indent(), "", name);
        first.push_back(true);
    }
    void endList()
    {
        first.pop_back();
        add(out, "\n%*s);\n", indent(), "");
    }
    void beginElement()
    {
        if (!first.back())
            out += ",\n";
        first.back() = false;
        add(out, "%*s{\n", indent(), "");
        first.push_back(true);
    }
    void endElement()
    {
        first.pop_back();
        add(out, "%*s}", indent(), "");
    }
    void beginGroup(const char* name)
    {
        add(out, "%*s%s = {\n", indent(), "", name);
        first.push_back(true);
    }
    void endGroup()
    {
        first.pop_back();
        add(out, "%*s};\n", indent(), "");
    }

private:
    int indent() const { return 2 * (int)(first.size() - 1); }

    std::string& out;
    std::vector<bool> first;
};

std::string appName(int index)
{
    char name[64];
    snprintf(name, sizeof name, "Synth App %05d", index);
    return name;
}

std::string entryLabel(int index, const char* what)
{
    char label[64];
    snprintf(label, sizeof label, "A%05d %s", index, what);
    return label;
}

} // namespace

std::string SyntheticInstallation::applicationText(int i, int applications)
{
    std::string s;
    add(s, "/*\n * Synthetic application %d of %d, written by the benchmark generator.\n */\n\n", i, applications);
    if (i % 10)
        add(s, "Application \"%s\" : \"%s\"\n{\n", appName(i).c_str(), appName(i / 10 * 10).c_str());
    else
        add(s, "Application \"%s\"\n{\n", appName(i).c_str());
    add(s,
        "    Description {\n        \"Synthetic application number %d,\",\n"
        "        \"one of %d that share menu bars, tabs and a cascade.\",\n    }\n",
        i, applications);
    s += "    Copyright { \"Generated for the benchmark.\" }\n";
    add(s, "    Version \"1.%d\";\n    DisplayString \"App %d\";\n    HelpDirectory \"synth/app%05d\";\n", i, i, i);
    add(s, "    \"vk-%05d\";\n", i);
    s += "    NameField \"Selection Name\", \"IP Hostname\";\n";
    add(s, "    Command -Shared \"synthapp -id %d\" on \"host%d\" startedby \"launcher\";\n\n", i, i % 16);

    // Entries in three shared bars; each opens a menu of this application.
    for (int slot = 0; slot < 3; ++slot) {
        int bar = barOf(i, slot);
        add(s, "    MenuBar <%d> \"Bar %d\" _%c\n    {\n", barPrecedence(bar), bar, 'A' + bar);
        add(s, "        <%d> \"%s\" _O Ctrl<Key>%c f.action \"Open\";\n", spread(i, slot),
            entryLabel(i, bar % 2 ? "Open" : "Show").c_str(), 'A' + slot);
        add(s, "        \"%s\" _M context (isNode && isIP) f.menu \"More %d\";\n", entryLabel(i, "More").c_str(), slot);
        s += "    }\n";
    }
    // One cascade label that every application shares, and a label that
    // carries one action of every fourth application.
    s += "    MenuBar <30> \"Tools\" _T\n    {\n        <80> \"Diagnostics\" _D f.menu \"Diagnostics\";\n    }\n";
    if (i % 4 == 0)
        s += "    MenuBar <60> \"Monitor\" _M\n    {\n"
             "        <90> \"Status Poll\" _S context isNode f.action \"Status\";\n    }\n";
    s += "\n";

    for (int slot = 0; slot < 3; ++slot) {
        add(s, "    Menu \"More %d\"\n    {\n", slot);
        add(s, "        <90> \"Deeper\" _D f.menu \"Deeper %d\";\n", slot);
        for (int j = 0; j < 4; ++j)
            add(s, "        <%d> \"Item %d\" _%d f.action \"Act %d %d\";\n", 80 - 10 * j, j, j, slot, j);
        s += "        \"Shell\" ! \"synthtool --about\";\n    }\n";
        add(s, "    Menu \"Deeper %d\" { \"Only\" f.action \"Deep %d\"; }\n", slot, slot);
    }
    add(s,
        "    Menu \"Diagnostics\"\n    {\n        <%d> \"%s\" context isIP f.action \"Ping\";\n"
        "        <%d> \"%s\" f.action \"Status\";\n    }\n\n",
        spread(i, 7), entryLabel(i, "Ping").c_str(), spread(i, 8), entryLabel(i, "Trace").c_str());

    add(s, "    PopupItem <%d> \"%s\" context isNode targetsymboltype any f.menu \"Node Popup\";\n", spread(i, 3),
        entryLabel(i, "Node").c_str());
    add(s,
        "    PopupMenu \"Node Popup\"\n    {\n"
        "        <90> \"Ping\" context isIP targetsymboltype \"Class %03d\" : \"Type %05d\" f.action \"Ping\";\n"
        "        <80> \"Alert\" context (isNode || isNetwork) targetsymboltype symbolalert : any f.action \"Open\";\n"
        "    }\n",
        i / TYPES_PER_CLASS, i);
    add(s, "    ToolbarButton <%d> @\"toolbar/a%05d.gif\" context isNode f.action \"Open\";\n\n", spread(i, 4), i);

    s += "    Action \"Open\" {\n        SelectionRule isNode || isNetwork;\n        MinSelected 1;\n"
         "        MaxSelected 1;\n        CallbackArgs \"-open\";\n"
         "        DisplayString \"Open the selection\";\n    }\n";
    add(s,
        "    Action \"Status\" {\n        SelectionRule isNode && (\"SNMP Agent\" != \"Unset\") && !isLocked;\n"
        "        NameField \"IP Address\", \"IP Hostname\";\n"
        "        Command -Restart \"synthstatus -app %d\" on \"collector\" startedby \"launcher\";\n"
        "        Access \"operator\" \"netadmin\" 3;\n    }\n",
        i);
    s += "    Action \"Ping\" {\n        SelectionRule isIP && ifCount == 4;\n        MinSelected 1;\n"
         "        MaxSelected 10;\n        Command \"synthping -count 5\";\n    }\n";
    add(s,
        "    Action \"Web\" {\n        SelectionRule isSNMP;\n        URL \"/cgi-bin/synth?app=%d\";\n"
        "        WebWindow \"Synth Window %05d\" {\n            Type limited;\n            Status on;\n"
        "            Scrollbars on;\n            Toolbar off;\n            Location off;\n"
        "            Resizable on;\n            Width 640;\n            Height 480;\n        }\n    }\n",
        i, i);
    for (int slot = 0; slot < 3; ++slot) {
        for (int j = 0; j < 4; ++j)
            add(s, "    Action \"Act %d %d\" { SelectionRule isNode; CallbackArgs \"-act %d %d\"; }\n", slot, j, slot,
                j);
        add(s, "    Action \"Deep %d\" { CallbackArgs \"-deep %d\"; }\n", slot, slot);
    }
    s += "\n";

    add(s,
        "    Enroll Add, Describe {\n        if isNode {\n            Scale 1;\n            InitialVerify on;\n"
        "            Help browser \"synth/a%05d.html\";\n"
        "            Field \"Selection Name\" {\n                Label \"Name\";\n"
        "                Geometry 10, 10, 320, 24;\n                EditPolicy EditOnCreation;\n"
        "                ImmediateVerify on;\n            }\n"
        "            Field \"Synth Field %05d\" {\n                Label \"Value\";\n"
        "                IntegerDisplayPolicy Hex;\n                EditPosition 2;\n"
        "                DefaultValue 7;\n            }\n        }\n    }\n",
        i, i);
    s += "    Enroll Connect {\n        if isNode, isNetwork {\n            Field \"Link Name\" {\n"
         "                Label \"Link\";\n                ListDisplayPolicy SelectionListBox;\n"
         "                ListSelectionPolicy Single;\n                DefaultValue \"none\";\n            }\n"
         "        }\n    }\n";
    s += "    Enroll Configuration {\n"
         "        Field \"Poll Interval\" { Label \"Poll\"; NoDisplay off; EditPolicy Edit; }\n    }\n";
    s += "    DropAction \"Drop\" {\n        Operations opmove opcopy;\n        SelectionRule isNode || isNetwork;\n"
         "        HelpString \"Drop nodes here\";\n    }\n\n";

    int tab = i % SHARED_TABS;
    add(s, "    Tab <%d> \"Tab %d\" icon \"tabs/t%d.gif\" activehelp { \"Shared tab %d.\" }\n    {\n", 70 - 10 * tab,
        tab, tab, tab);
    add(s,
        "        <%d> \"%s\" icon \"lists/a%05d.gif\" activehelp { \"Items of application %d.\" }"
        " f.list \"List %05d\";\n",
        spread(i, 5), entryLabel(i, "Items").c_str(), i, i, i);
    s += "    }\n";
    add(s,
        "    List \"List %05d\" icon \"lists/a%05d.gif\" activehelp { \"Lists of application %d.\", \"By kind.\" }\n"
        "    {\n",
        i, i, i);
    s += "        <90> \"By Name\" f.action \"Open\";\n        <80> \"By Address\" f.action \"Status\";\n    }\n}\n";
    return s;
}

std::string SyntheticInstallation::symbolText(int c, int applications)
{
    std::string s;
    add(s, "/* Synthetic symbol class %d with its types. */\n\n", c);
    add(s, "SymbolClass \"Class %03d\"\n{\n    Variety Icon;\n    Scale 5;\n", c);
    if (c % 2)
        s += "    Segment (-50,-50) to (50,-50) to (50,50) to (-50,50);\n";
    else
        s += "    Arc Origin (0,0) Size (100,100) Rotation 0, 360;\n";
    add(s,
        "    Capabilities {\n        isNode = 1;\n        isClass%d = 1;\n"
        "        vendor = \"synth\";\n        isIP;\n    }\n",
        c);
    add(s,
        "    DefaultStatusSource Object;\n    DefaultLayout None;\n    FileBase \"class%03d\";\n    CursorSize 38;\n"
        "    DisplayString \"Class %d\";\n    LineStyle Solid;\n    Thickness 1;\n}\n\n",
        c, c);
    int from = c * TYPES_PER_CLASS;
    int to = from + TYPES_PER_CLASS < applications ? from + TYPES_PER_CLASS : applications;
    for (int t = from; t < to; ++t) {
        add(s, "SymbolType \"Class %03d\" : \"Type %05d\"\n{\n    FileBase \"type%05d\";\n    CursorSize 38;\n", c, t,
            t);
        add(s, "    Capabilities {\n        isType%d = 1;\n        model = \"m%d\";\n    }\n", t, t % 7);
        add(s,
            "    DefaultStatusSource Compound;\n    DefaultLayout Ring;\n    LineDashPattern 4, 2, 4;\n"
            "    DisplayString \"Type %d\";\n}\n\n",
            t);
    }
    return s;
}

std::string SyntheticInstallation::fieldText(int f, int applications)
{
    std::string s;
    add(s, "/* Synthetic fields, file %d. */\n\n", f);
    int from = f * FIELDS_PER_FILE;
    int to = from + FIELDS_PER_FILE < applications ? from + FIELDS_PER_FILE : applications;
    for (int i = from; i < to; ++i) {
        if (i % 4 == 3)
            add(s,
                "Field \"Synth Field %05d\" {\n    Type Enumeration;\n"
                "    Enumeration \"Up\", \"Down\", \"Testing\", \"Unknown\";\n"
                "    DisplayString \"State %d\";\n}\n",
                i, i);
        else
            add(s,
                "Field \"Synth Field %05d\" {\n    Type Integer32;\n    Flags Locate, Capability;\n"
                "    DisplayString \"Value %d\";\n}\n",
                i, i);
    }
    return s;
}

std::string SyntheticInstallation::peerText(int applications)
{
    std::string s;
    s += "# Synthetic installation in the peer's configuration syntax.\n";
    PeerWriter w(s);
    w.beginList("applications");
    for (int i = 0; i < applications; ++i) {
        w.beginElement();
        w.text("name", appName(i));
        if (i % 10)
            w.text("parent", appName(i / 10 * 10));
        w.array("description",
                {"Synthetic application number " + std::to_string(i) + ",",
                 "one of " + std::to_string(applications) + " that share menu bars, tabs and a cascade."});
        w.array("copyright", {"Generated for the benchmark."});
        w.text("version", "1." + std::to_string(i));
        w.text("displayString", "App " + std::to_string(i));
        w.text("verificationKey", "vk-" + std::to_string(i));
        w.array("nameFields", {"Selection Name", "IP Hostname"});
        w.beginGroup("command");
        w.array("flags", {"shared"});
        w.text("line", "synthapp -id " + std::to_string(i));
        w.text("host", "host" + std::to_string(i % 16));
        w.text("startedBy", "launcher");
        w.endGroup();
        w.beginList("menuBars");
        for (int slot = 0; slot < 4; ++slot) {
            int bar = slot < 3 ? barOf(i, slot) : -1;
            w.beginElement();
            w.text("name", bar >= 0 ? "Bar " + std::to_string(bar) : std::string("Tools"));
            w.number("precedence", bar >= 0 ? barPrecedence(bar) : 30);
            w.beginList("items");
            w.beginElement();
            w.number("precedence", spread(i, slot));
            w.text("label", bar >= 0 ? entryLabel(i, "Open") : std::string("Diagnostics"));
            w.text("accelerator", "Ctrl<Key>A");
            w.text("function", bar >= 0 ? "action" : "menu");
            w.text("argument", bar >= 0 ? "Open" : "Diagnostics");
            w.endElement();
            if (bar >= 0) {
                w.beginElement();
                w.text("label", entryLabel(i, "More"));
                w.text("context", "isNode && isIP");
                w.text("function", "menu");
                w.text("argument", "More " + std::to_string(slot));
                w.endElement();
            }
            w.endList();
            w.endElement();
        }
        w.endList();
        w.beginList("menus");
        for (int slot = 0; slot < 3; ++slot) {
            w.beginElement();
            w.text("name", "More " + std::to_string(slot));
            w.beginList("items");
            for (int j = 0; j < 6; ++j) {
                w.beginElement();
                w.number("precedence", 90 - 10 * j);
                w.text("label", "Item " + std::to_string(j));
                w.text("function", "action");
                w.text("argument", "Act " + std::to_string(slot) + " " + std::to_string(j));
                w.endElement();
            }
            w.endList();
            w.endElement();
        }
        w.endList();
        w.beginList("actions");
        for (int a = 0; a < 12; ++a) {
            w.beginElement();
            w.text("name", "Act " + std::to_string(a));
            w.text("selectionRule", "isNode && (\\\"SNMP Agent\\\" != \\\"Unset\\\")");
            w.number("minSelected", 1);
            w.text("callbackArgs", "-act " + std::to_string(a));
            if (a == 3) {
                w.beginGroup("window");
                w.text("name", "Synth Window " + std::to_string(i));
                w.text("type", "limited");
                w.number("width", 640);
                w.number("height", 480);
                w.endGroup();
            }
            w.endElement();
        }
        w.endList();
        w.beginList("enrollments");
        w.beginElement();
        w.array("operations", {"add", "describe"});
        w.text("rule", "isNode");
        w.number("scale", 1);
        w.beginList("fields");
        for (int f = 0; f < 4; ++f) {
            w.beginElement();
            w.text("name", f ? "Synth Field " + std::to_string(i) : std::string("Selection Name"));
            w.text("label", "Name");
            w.array("geometry", {"10", "10", "320", "24"});
            w.text("editPolicy", "EditOnCreation");
            w.endElement();
        }
        w.endList();
        w.endElement();
        w.endList();
        w.beginGroup("tab");
        w.text("name", "Tab " + std::to_string(i % SHARED_TABS));
        w.text("icon", "tabs/t.gif");
        w.beginList("items");
        w.beginElement();
        w.text("label", entryLabel(i, "Items"));
        w.text("function", "list");
        w.text("argument", "List " + std::to_string(i));
        w.endElement();
        w.endList();
        w.endGroup();
        w.endElement();
    }
    w.endList();
    w.beginList("symbolTypes");
    for (int t = 0; t < applications; ++t) {
        w.beginElement();
        w.text("class", "Class " + std::to_string(t / TYPES_PER_CLASS));
        w.text("name", "Type " + std::to_string(t));
        w.text("fileBase", "type" + std::to_string(t));
        w.number("cursorSize", 38);
        w.beginGroup("capabilities");
        w.number("isType", t);
        w.text("model", "m" + std::to_string(t % 7));
        w.endGroup();
        w.array("dashes", {"4", "2", "4"});
        w.endElement();
    }
    w.endList();
    w.beginList("fields");
    for (int f = 0; f < applications; ++f) {
        w.beginElement();
        w.text("name", "Synth Field " + std::to_string(f));
        w.text("type", f % 4 == 3 ? "Enumeration" : "Integer32");
        w.array("flags", {"Locate", "Capability"});
        w.endElement();
    }
    w.endList();
    return s;
}

bool SyntheticInstallation::write(const std::string& root, int applications, Sizes* sizes)
{
    namespace fs = std::filesystem;
    Sizes local;
    Sizes& z = sizes ? *sizes : local;
    z = Sizes();
    std::error_code ec;
    fs::path base(root);
    fs::path reg = base / "registration" / "C", sym = base / "symbols" / "C", fld = base / "fields" / "C";
    for (const fs::path& dir : {reg, sym, fld}) {
        fs::create_directories(dir, ec);
        if (ec)
            return false;
    }
    char name[32];
    for (int i = 0; i < applications; ++i) {
        snprintf(name, sizeof name, "app%05d", i);
        if (!writeFile(reg / name, applicationText(i, applications), &z.arfBytes))
            return false;
        ++z.arfFiles;
    }
    for (int c = 0; c < classCount(applications); ++c) {
        snprintf(name, sizeof name, "synth%03d", c);
        if (!writeFile(sym / name, symbolText(c, applications), &z.srfBytes))
            return false;
        ++z.srfFiles;
    }
    for (int f = 0; f < fieldFileCount(applications); ++f) {
        snprintf(name, sizeof name, "synth%03d", f);
        if (!writeFile(fld / name, fieldText(f, applications), &z.frfBytes))
            return false;
        ++z.frfFiles;
    }
    return writeFile(base / "peer.cfg", peerText(applications), &z.peerBytes);
}

std::string SyntheticInstallation::shuffledText(long n)
{
    std::string s;
    add(s, "Application \"Shuffled App %05ld\"\n{\n", n);
    // Precedence 50 given, not given (50 as well) and three values that tie
    // with a third of the applications each.
    add(s,
        "    MenuBar <50> \"File\" _F\n    {\n        \"Open %05ld\" f.action \"Open\";\n"
        "        <%ld> \"Save %05ld\" f.action \"Open\";\n    }\n",
        n, 40 + n % 3 * 10, n);
    add(s, "    MenuBar \"Edit\" _E\n    {\n        <60> \"Find %05ld\" f.action \"Open\";\n    }\n", n);
    // The shared cascade: its submenu collects an entry of every application.
    s += "    MenuBar <30> \"Tools\" _T\n    {\n        <80> \"Diagnostics\" _D f.menu \"Diagnostics\";\n    }\n";
    add(s, "    Menu \"Diagnostics\"\n    {\n        \"Ping %05ld\" f.action \"Open\";\n    }\n", n);
    add(s, "    PopupItem <%ld> \"Node %05ld\" context isNode targetsymboltype any f.action \"Open\";\n",
        20 + n % 4 * 20, n);
    add(s, "    ToolbarButton @\"toolbar/b%05ld.gif\" context isNode f.action \"Open\";\n", n);
    add(s,
        "    Tab <70> \"Shared\" icon \"tabs/shared.gif\"\n    {\n"
        "        \"Items %05ld\" f.list \"List %05ld\";\n    }\n",
        n, n);
    add(s, "    List \"List %05ld\"\n    {\n        \"By Name\" f.action \"Open\";\n    }\n", n);
    add(s, "    Action \"Open\" { CallbackArgs \"-open %ld\"; }\n}\n", n);
    return s;
}

bool SyntheticInstallation::writeShuffled(const std::string& root, long files, bool inOrder, Sizes* sizes)
{
    namespace fs = std::filesystem;
    Sizes local;
    Sizes& z = sizes ? *sizes : local;
    z = Sizes();
    std::error_code ec;
    fs::path reg = fs::path(root) / "registration" / "C";
    fs::create_directories(reg, ec);
    if (ec)
        return false;
    std::vector<long> numbers((size_t)files);
    std::iota(numbers.begin(), numbers.end(), 0L);
    if (!inOrder) {
        // A fixed permutation (Fisher-Yates over a fixed generator).
        std::mt19937 random(20261207);
        for (size_t i = numbers.size(); i > 1; --i)
            std::swap(numbers[i - 1], numbers[random() % i]);
    }
    char name[32];
    for (long i = 0; i < files; ++i) {
        snprintf(name, sizeof name, "app%05ld", i);
        if (!writeFile(reg / name, shuffledText(numbers[(size_t)i]), &z.arfBytes))
            return false;
        ++z.arfFiles;
    }
    return true;
}
