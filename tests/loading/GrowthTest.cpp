#include "kivparser/kivparser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

using namespace kivparser;

namespace {

// `count` small application files in file-name order whose applications are
// named in a shuffled order, all adding entries to the same menu bars, popup
// items and tab: the shape of an installation with many applications.
void writeApplications(TempDir& dir, int count)
{
    for (int i = 0; i < count; i++) {
        char name[32], number[16];
        std::snprintf(name, sizeof name, "reg/C/app%05d", i);
        std::snprintf(number, sizeof number, "%05d", static_cast<int>((i * 7919L) % count));
        std::string n = number;
        dir.file(name, "Application \"App " + n + "\" {\n"
                       "  MenuBar <50> \"File\" _F { \"Open " + n + "\" f.action \"Open\"; <50> \"Save " + n +
                           "\" f.action \"Open\"; }\n"
                           "  MenuBar <30> \"Tools\" _T { <80> \"Diagnostics\" f.menu \"Diagnostics\"; }\n"
                           "  Menu \"Diagnostics\" { \"Ping " + n + "\" f.action \"Open\"; }\n"
                           "  PopupItem <20> \"Node " + n + "\" context isNode f.action \"Open\";\n"
                           "  Tab <70> \"Shared\" { \"Items " + n + "\" f.action \"Open\"; }\n"
                           "  Action \"Open\" { CallbackArgs \"-open " + n + "\"; }\n"
                           "}\n");
    }
}

// The least processor time of three loads: on a busy machine a load only
// ever takes longer.
double leastLoadSeconds(const std::string& dir, int expectedApplications)
{
    double least = -1;
    for (int i = 0; i < 3; i++) {
        std::clock_t start = std::clock();
        ApplicationRegistration* reg = loadArf(0, const_cast<char*>(dir.c_str()));
        double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        int applications = 0;
        for (const Application& app : elements(reg ? reg->applications : nullptr)) {
            (void)app;
            applications++;
        }
        EXPECT_EQ(applications, expectedApplications);
        delete reg;
        if (least < 0 || seconds < least)
            least = seconds;
    }
    return least;
}

} // namespace

// A load costs the same per file however many files there are. Four times
// the files take about four times as long; a cost that grows with the square
// of the files (each new file compared with every one before it, an entry
// placed by a walk over every entry of a shared menu) shows as eight times
// or more at these sizes. The limit leaves room for caches and a busy
// machine; the benchmark (kivbench --shuffled) holds the tight one.
TEST(Growth, LoadTimeFollowsTheNumberOfFiles)
{
    LocaleGuard locale("C");
    const int small = 2000, large = 4 * small;
    TempDir few, many;
    writeApplications(few, small);
    writeApplications(many, large);
    double fewSeconds = leastLoadSeconds(few.path("reg"), small);
    double manySeconds = leastLoadSeconds(many.path("reg"), large);
    ASSERT_GT(fewSeconds, 0.0);
    EXPECT_LT(manySeconds / fewSeconds, 7.0)
        << small << " files: " << fewSeconds << " s, " << large << " files: " << manySeconds << " s";
}
