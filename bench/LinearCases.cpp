#include "LinearCases.h"

#include "Measure.h"
#include "Table.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

// Past this, a case is loaded once: the quadratic ones take minutes.
const double ONE_LOAD_IS_ENOUGH = 10.0;

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

const std::string SMALL_BODY = "    Version \"1.0\";\n";

struct Case {
    std::string name;
    std::string text;
    int against; // the index of the case it is timed against, -1 for a reference
    double seconds = -1;
    int loads = 0;
    long bytes = 0;
};

bool writeCase(const std::string& dir, Case& c)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::path(dir) / c.name / "registration" / "C";
    fs::create_directories(folder, ec);
    FILE* fp = fopen((folder / "case").c_str(), "w");
    if (!fp)
        return false;
    bool ok = fwrite(c.text.data(), 1, c.text.size(), fp) == c.text.size();
    ok = fclose(fp) == 0 && ok;
    c.bytes = (long)c.text.size();
    std::string().swap(c.text);
    return ok;
}

bool timeCase(const std::string& dir, Case& c, int repetitions)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        PassFigures figures;
        if (!passInFreshProcess(PassKind::Arf, dir + "/" + c.name, &figures)) {
            fprintf(stderr, "kivbench: the load of %s/%s failed\n", dir.c_str(), c.name.c_str());
            return false;
        }
        times.push_back(figures.seconds);
        fprintf(stderr, "kivbench: %s: %.3f s\n", c.name.c_str(), figures.seconds);
        if (figures.seconds > ONE_LOAD_IS_ENOUGH)
            break;
    }
    std::sort(times.begin(), times.end());
    c.seconds = times[times.size() / 2];
    c.loads = (int)times.size();
    return true;
}

} // namespace

std::string LinearCases::ordinaryText(long bytes) { return application("Linear Ordinary", statements(bytes)); }

std::string LinearCases::commentText(long bytes)
{
    return "/*\n" + filler(bytes, false) + "\n*/\n" + application("Linear Comment", SMALL_BODY);
}

std::string LinearCases::stringText(long bytes)
{
    return application("Linear String", "    Description { \"" + filler(bytes, false) + "\" }\n");
}

std::string LinearCases::labelText(long bytes)
{
    return application("Linear Label", "    Menu \"Long\" { \"" + filler(bytes, false) +
                                           "\" f.action \"Open\"; }\n    Action \"Open\" { CallbackArgs \"-open\"; }\n");
}

std::string LinearCases::acceleratorText(long bytes)
{
    return application("Linear Accelerator", "    Menu \"Long\" { \"Label\" _L Ctrl<Key>" + filler(bytes, true) +
                                                 " f.action \"Open\"; }\n"
                                                 "    Action \"Open\" { CallbackArgs \"-open\"; }\n");
}

std::string LinearCases::skippedText(long bytes)
{
    return "#ifdef KIVBENCH_NEVER_DEFINED\n" + statements(bytes) + "#endif\n" + application("Linear Skipped", SMALL_BODY);
}

std::string LinearCases::chainText(int menus, bool fromTheEnd)
{
    std::string body;
    char text[160];
    for (int k = 0; k < menus; ++k) {
        int menu = fromTheEnd ? menus - 1 - k : k;
        if (menu + 1 < menus)
            snprintf(text, sizeof text, "    Menu \"Chain %d\" { \"Next\" f.menu \"Chain %d\"; }\n", menu, menu + 1);
        else
            snprintf(text, sizeof text, "    Menu \"Chain %d\" { \"Last\" f.action \"Open\"; }\n", menu);
        body += text;
    }
    body += "    Action \"Open\" { CallbackArgs \"-open\"; }\n";
    return application(fromTheEnd ? "Linear Chain Reversed" : "Linear Chain", body);
}

bool LinearCases::run(const std::string& dir, const Options& o)
{
    const int ordinary = 0, inOrder = 6;
    std::vector<Case> cases = {
        { "ordinary statements", ordinaryText(o.bytes), -1 },
        { "comment", commentText(o.bytes), ordinary },
        { "string", stringText(o.bytes), ordinary },
        { "menu item label", labelText(o.bytes), ordinary },
        { "accelerator", acceleratorText(o.bytes), ordinary },
        { "skipped #ifdef stretch", skippedText(o.bytes), ordinary },
        { "menu chain in order", chainText(o.menus, false), -1 },
        { "menu chain from its end", chainText(o.menus, true), inOrder },
    };

    for (Case& c : cases)
        if (!writeCase(dir, c)) {
            fprintf(stderr, "kivbench: cannot write %s/%s\n", dir.c_str(), c.name.c_str());
            return false;
        }
    for (Case& c : cases)
        if (!timeCase(dir, c, o.repetitions))
            return false;

    printf("\nLinear-time cases: one file each, loaded by loadArf in a fresh process; CPU seconds, median of the "
           "loads made (one when a load takes over %.0f s). The ratio is the time per byte over that of the "
           "reference; the target is at most 3.\n",
           ONE_LOAD_IS_ENOUGH);
    Table table({ "case", "bytes", "loads", "seconds", "MB/s", "over", "ratio" });
    for (const Case& c : cases) {
        const Case* against = c.against >= 0 ? &cases[(size_t)c.against] : nullptr;
        double ratio = -1;
        if (against && against->seconds > 0)
            ratio = (c.seconds / (double)c.bytes) / (against->seconds / (double)against->bytes);
        table.add({ c.name, Table::count(c.bytes), std::to_string(c.loads), Table::number(c.seconds, 3),
                    Table::number(c.seconds > 0 ? (double)c.bytes / c.seconds / 1e6 : -1, 1),
                    against ? against->name : "(reference)", against ? Table::number(ratio, 1, "x") : "" });
    }
    table.print();
    return true;
}
