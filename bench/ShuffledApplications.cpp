#include "ShuffledApplications.h"

#include "Measure.h"
#include "SyntheticInstallation.h"
#include "Table.h"

#include <cstdio>
#include <filesystem>

namespace {

// Past this, a size is loaded once: before the sorted lists had their index,
// the shuffled names took minutes.
const double oneLoadIsEnough = 10.0;

struct Case {
    const char* name;
    long files;
    bool inOrder;
    long bytes = 0;
    double seconds = -1; // the least of the loads
    int loads = 0;
};

bool timeCase(const std::string& dir, int repetitions, Case& c)
{
    for (int i = 0; i < repetitions; ++i) {
        PassFigures figures;
        if (!passInFreshProcess(PASS_ARF, dir, &figures)) {
            fprintf(stderr, "kivbench: the load of %s failed\n", dir.c_str());
            return false;
        }
        fprintf(stderr, "kivbench: %s, %s files: %.3f s\n", c.name, Table::count(c.files).c_str(), figures.seconds);
        if (c.seconds < 0 || figures.seconds < c.seconds)
            c.seconds = figures.seconds;
        ++c.loads;
        if (figures.seconds > oneLoadIsEnough)
            break;
    }
    return true;
}

} // namespace

bool ShuffledApplications::run(const std::string& dir, const Options& o)
{
    long large = o.files * o.times;
    Case cases[] = {
        {"names shuffled", o.files, false},
        {"names shuffled", large, false},
        {"names in file order", o.files, true},
        {"names in file order", large, true},
    };
    int index = 0;
    for (Case& c : cases) {
        std::string where = dir + "/case" + std::to_string(index++);
        SyntheticInstallation::Sizes sizes;
        if (!SyntheticInstallation::writeShuffled(where, c.files, c.inOrder, &sizes)) {
            fprintf(stderr, "kivbench: cannot write %s\n", where.c_str());
            return false;
        }
        c.bytes = sizes.arfBytes;
        if (!timeCase(where, o.repetitions, c))
            return false;
        std::error_code ec;
        std::filesystem::remove_all(where, ec);
    }
    double limit = o.times * o.allowance;
    double growth[2] = {cases[1].seconds / cases[0].seconds, cases[3].seconds / cases[2].seconds};
    bool linear = growth[0] <= limit;

    printf(
        "\nApplications named in shuffled order against the same in file order: one small application file "
        "each, adding to shared menu bars, a shared cascade's menu, popup items, toolbar buttons and a shared "
        "tab; loaded by loadArf in a fresh process, CPU seconds, the least of %d loads (one when a load takes "
        "over %.0f s). The growth is the time "
        "at %ld files over that at %ld (%.1fx at most: %.0f %% above linear); the ratio the shuffled names "
        "over the names in file order at the same size.\n",
        o.repetitions, oneLoadIsEnough, large, o.files, limit, (o.allowance - 1) * 100);
    Table table({"case", "files", "bytes", "seconds", "MB/s", "growth", "ratio"});
    for (int i = 0; i < 4; ++i) {
        const Case& c = cases[i];
        bool larger = i % 2 == 1;
        std::string ratio = i < 2 ? Table::number(c.seconds / cases[i + 2].seconds, 2, "x") : "";
        table.add({c.name, Table::count(c.files), Table::count(c.bytes), Table::number(c.seconds, 3),
                   Table::number(c.seconds > 0 ? (double)c.bytes / c.seconds / 1e6 : -1, 1),
                   larger ? Table::number(growth[i / 2], 2, "x") : "", ratio});
    }
    table.print();
    printf("growth of the shuffled names from %ld to %ld files: %.2fx, %s (%.1fx at most)\n", o.files, large, growth[0],
           linear ? "linear" : "NOT LINEAR", limit);
    return linear;
}
