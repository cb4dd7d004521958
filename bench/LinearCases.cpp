#include "LinearCases.h"

#include "Measure.h"
#include "Table.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

// Past this, a case is loaded once: the quadratic ones take minutes.
const double oneLoadIsEnough = 10.0;

// Text for the long tokens: lines of letters, digits and blanks, nothing
// that could end a string, a comment or an accelerator early.
std::string filler(long bytes, bool oneLine)
{
    std::string out;
    out.reserve((size_t)bytes + 80);
    char line[80];
    for (long n = 0; (long)out.size() < bytes; ++n) {
        snprintf(line, sizeof line, "Line %08ld of a long text in letters digits and blanks only%c", n,
                 oneLine ? ' ' : '\n');
        out += line;
    }
    out.resize((size_t)bytes);
    return out;
}

// Menus and actions, as an application's body has them.
std::string statements(long bytes)
{
    std::string out;
    out.reserve((size_t)bytes + 200);
    char text[256];
    for (int i = 0; (long)out.size() < bytes; ++i) {
        snprintf(text, sizeof text,
                 "    Menu \"Menu %d\" { <90> \"Item %d\" _I f.action \"Act %d\"; \"Other\" f.action \"Act %d\"; }\n"
                 "    Action \"Act %d\" { SelectionRule isNode || isNetwork; CallbackArgs \"-act %d\"; }\n",
                 i, i, i, i, i, i);
        out += text;
    }
    return out;
}

std::string application(const char* name, const std::string& body)
{
    return std::string("Application \"") + name + "\"\n{\n" + body + "}\n";
}

const std::string smallBody = "    Version \"1.0\";\n";

// One size of a case, timed.
struct Timing {
    long bytes = 0;
    double seconds = -1; // median of the loads
    int loads = 0;
};

struct Case {
    Case(const char* name, std::string (*text)(long), long size, int against)
        : name(name), text(text), size(size), against(against)
    {
    }
    std::string name;
    std::string (*text)(long size);
    long size;   // bytes, or menus for the chains
    int against; // the index of the case it is timed against, -1 for a reference
    Timing full, quarter;
};

// Writes the text below dir/name/registration/C; its size in `timing`.
bool writeCase(const std::string& dir, const std::string& text, Timing& timing)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::path(dir) / "registration" / "C";
    fs::create_directories(folder, ec);
    FILE* fp = fopen((folder / "case").c_str(), "w");
    if (!fp)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), fp) == text.size();
    ok = fclose(fp) == 0 && ok;
    timing.bytes = (long)text.size();
    return ok;
}

bool timeCase(const std::string& dir, const std::string& name, int repetitions, Timing& timing)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        PassFigures figures;
        if (!passInFreshProcess(PASS_ARF, dir, &figures)) {
            fprintf(stderr, "kivbench: the load of %s failed\n", dir.c_str());
            return false;
        }
        times.push_back(figures.seconds);
        fprintf(stderr, "kivbench: %s, %s bytes: %.3f s\n", name.c_str(), Table::count(timing.bytes).c_str(),
                figures.seconds);
        if (figures.seconds > oneLoadIsEnough)
            break;
    }
    std::sort(times.begin(), times.end());
    timing.seconds = times[times.size() / 2];
    timing.loads = (int)times.size();
    return true;
}

std::string ordinaryText(long bytes)
{
    return application("Linear Ordinary", statements(bytes));
}

std::string commentText(long bytes)
{
    return "/*\n" + filler(bytes, false) + "\n*/\n" + application("Linear Comment", smallBody);
}

std::string stringText(long bytes)
{
    return application("Linear String", "    Description { \"" + filler(bytes, false) + "\" }\n");
}

std::string labelText(long bytes)
{
    return application("Linear Label",
                       "    Menu \"Long\" { \"" + filler(bytes, false) +
                           "\" f.action \"Open\"; }\n    Action \"Open\" { CallbackArgs \"-open\"; }\n");
}

std::string acceleratorText(long bytes)
{
    return application("Linear Accelerator", "    Menu \"Long\" { \"Label\" _L Ctrl<Key>" + filler(bytes, true) +
                                                 " f.action \"Open\"; }\n"
                                                 "    Action \"Open\" { CallbackArgs \"-open\"; }\n");
}

std::string skippedText(long bytes)
{
    return "#ifdef KIVBENCH_NEVER_DEFINED\n" + statements(bytes) + "#endif\n" +
           application("Linear Skipped", smallBody);
}

// Menus "Chain 0" to "Chain n-1", each opening the next.
std::string chainText(long menus, bool fromTheEnd)
{
    std::string body;
    char text[160];
    for (long k = 0; k < menus; ++k) {
        long menu = fromTheEnd ? menus - 1 - k : k;
        if (menu + 1 < menus)
            snprintf(text, sizeof text, "    Menu \"Chain %ld\" { \"Next\" f.menu \"Chain %ld\"; }\n", menu, menu + 1);
        else
            snprintf(text, sizeof text, "    Menu \"Chain %ld\" { \"Last\" f.action \"Open\"; }\n", menu);
        body += text;
    }
    body += "    Action \"Open\" { CallbackArgs \"-open\"; }\n";
    return application("Linear Chain", body);
}

std::string chainInOrder(long menus)
{
    return chainText(menus, false);
}
std::string chainFromItsEnd(long menus)
{
    return chainText(menus, true);
}

} // namespace

bool LinearCases::run(const std::string& dir, const Options& o)
{
    const int ordinary = 0, inOrder = 6;
    std::vector<Case> cases = {
        {"ordinary statements", ordinaryText, o.bytes, -1},
        {"comment", commentText, o.bytes, ordinary},
        {"string", stringText, o.bytes, ordinary},
        {"menu item label", labelText, o.bytes, ordinary},
        {"accelerator", acceleratorText, o.bytes, ordinary},
        {"skipped #ifdef stretch", skippedText, o.bytes, ordinary},
        {"menu chain in order", chainInOrder, o.menus, -1},
        {"menu chain from its end", chainFromItsEnd, o.menus, inOrder},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        Case& c = cases[i];
        for (bool quarter : {true, false}) {
            std::string where = dir + "/case" + std::to_string(i) + (quarter ? "q" : "");
            Timing& timing = quarter ? c.quarter : c.full;
            if (!writeCase(where, c.text(quarter ? c.size / 4 : c.size), timing)) {
                fprintf(stderr, "kivbench: cannot write %s\n", where.c_str());
                return false;
            }
            if (!timeCase(where, c.name, o.repetitions, timing))
                return false;
        }
    }

    printf(
        "\nLinear-time cases: one file each, loaded by loadArf in a fresh process; CPU seconds, median of the "
        "loads made (one when a load takes over %.0f s). The ratio is the time per byte over that of the "
        "reference at the full size (the target is at most 3); the growth is the time at the full size over "
        "that at a quarter of it (4.0x is linear).\n",
        oneLoadIsEnough);
    Table table({"case", "bytes", "loads", "seconds", "MB/s", "over", "ratio", "growth"});
    for (const Case& c : cases) {
        const Case* against = c.against >= 0 ? &cases[(size_t)c.against] : nullptr;
        double ratio = -1;
        if (against && against->full.seconds > 0)
            ratio = (c.full.seconds / (double)c.full.bytes) / (against->full.seconds / (double)against->full.bytes);
        double growth = c.quarter.seconds > 0 ? c.full.seconds / c.quarter.seconds : -1;
        table.add({c.name, Table::count(c.full.bytes), std::to_string(c.full.loads), Table::number(c.full.seconds, 3),
                   Table::number(c.full.seconds > 0 ? (double)c.full.bytes / c.full.seconds / 1e6 : -1, 1),
                   against ? against->name : "(reference)", against ? Table::number(ratio, 1, "x") : "",
                   Table::number(growth, 1, "x")});
    }
    table.print();
    return true;
}
