// The load benchmark on synthetic installations of N applications (see
// SyntheticInstallation.h and README.md).
//
// For every size, every pass (Passes.h: read, bound, scan, the three loads,
// the full load, libconfig) is measured twice:
// - warm: repeated in this process; before the timed iterations one load
//   brings the heap to its size, and between iterations the result is
//   destroyed and the allocator settled, both outside the timing;
// - cold: each load in a fresh process (this program with --one-load),
//   which times it inside itself.
// Each is repeated (3 times by default) and the median taken; a summary
// follows. --linear runs the linear-time cases instead (LinearCases.h and
// ShuffledApplications.h), --shuffled the shuffled applications alone,
// --all everything.
//
// usage: kivbench [--sizes=100,1000,10000] [--reps=3] [--linear | --shuffled | --all]
//                 [--linear-mb=16] [--linear-menus=10000]
//                 [--shuffled-files=5000] [benchmark options]
#include "LinearCases.h"
#include "Measure.h"
#include "Passes.h"
#include "ShuffledApplications.h"
#include "SyntheticInstallation.h"
#include "Table.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

enum Mode { WARM, COLD };
const char* const modeNames[] = {"warm", "cold"};

// Each warm repetition reads at least this much input (several iterations
// at small sizes), so that the timer's resolution does not matter.
const double warmBytesPerRepetition = 50e6;

std::string workDir;
std::map<int, Installation> installations;

std::string benchName(Mode mode, PassKind kind, int n)
{
    return std::string(modeNames[mode]) + "/" + passName(kind) + "/" + std::to_string(n);
}

// The installation of N applications, written on first use.
const Installation& installationFor(int n)
{
    auto found = installations.find(n);
    if (found != installations.end())
        return found->second;
    std::string root = workDir + "/n" + std::to_string(n);
    if (!SyntheticInstallation::write(root, n, nullptr)) {
        fprintf(stderr, "kivbench: cannot write %s\n", root.c_str());
        exit(1);
    }
    const Installation& in = installations[n] = Installation::find(root);
    // The scanner-only pass must read what the library's TokenScan reads.
    if (installations.size() == 1 && !scanAgreesWithTokenScan(in))
        exit(1);
    return in;
}

void warmPass(benchmark::State& state, PassKind kind, int n)
{
    const Installation& in = installationFor(n);
    Pass pass(kind, in);
    // The first repetition starts with one untimed load, so that the heap
    // has the size this load needs; the later ones follow on from it.
    static std::string warmedFor;
    std::string name = benchName(WARM, kind, n);
    if (warmedFor != name) {
        pass.run();
        pass.destroy();
        settleHeap();
        warmedFor = name;
    }
    double destroySeconds = 0;
    long faults = 0;
    for (auto _ : state) {
        long before = minorFaults();
        if (!pass.run()) {
            state.SkipWithError("the pass failed");
            break;
        }
        faults += minorFaults() - before;
        state.PauseTiming();
        double start = cpuSeconds();
        pass.destroy();
        destroySeconds += cpuSeconds() - start;
        settleHeap();
        state.ResumeTiming();
    }
    double iterations = (double)std::max<benchmark::IterationCount>(state.iterations(), 1);
    state.counters["destroy_ms"] = destroySeconds / iterations * 1e3;
    state.counters["faults"] = (double)faults / iterations;
    state.SetBytesProcessed(state.iterations() * in.bytes(kind));
}

void coldPass(benchmark::State& state, PassKind kind, int n)
{
    const Installation& in = installationFor(n);
    PassFigures figures;
    for (auto _ : state) {
        if (!passInFreshProcess(kind, in.root, &figures)) {
            state.SkipWithError("the pass failed in its own process");
            break;
        }
        state.SetIterationTime(figures.seconds);
    }
    state.counters["destroy_ms"] = figures.destroySeconds * 1e3;
    state.counters["faults"] = (double)figures.minorFaults;
    state.counters["peak_MB"] = (double)figures.peakBytes / 1e6;
    state.SetBytesProcessed(state.iterations() * in.bytes(kind));
}

// The median over the repetitions of one benchmark.
struct Median {
    double seconds = -1; // per pass
    double destroySeconds = -1;
    double faults = -1;
    double peakBytes = -1;
};

// Keeps the medians, and shows only them (and errors) on the console.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            if (run.error_occurred) {
                shown.push_back(run);
                continue;
            }
            // One repetition has no aggregates: its run is the median.
            bool median = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median" : run.repetitions == 1;
            if (!median)
                continue;
            shown.push_back(run);
            std::string name = run.run_name.function_name;
            bool cold = name.compare(0, 5, "cold/") == 0;
            Median m;
            double iterations = (double)std::max<benchmark::IterationCount>(run.iterations, 1);
            m.seconds = (cold ? run.real_accumulated_time : run.cpu_accumulated_time) / iterations;
            m.destroySeconds = counter(run, "destroy_ms") / 1e3;
            m.faults = counter(run, "faults");
            m.peakBytes = cold ? counter(run, "peak_MB") * 1e6 : -1;
            medians[name] = m;
        }
        ConsoleReporter::ReportRuns(shown);
    }

    const Median* find(Mode mode, PassKind kind, int n) const
    {
        auto found = medians.find(benchName(mode, kind, n));
        return found == medians.end() ? nullptr : &found->second;
    }
    double seconds(Mode mode, PassKind kind, int n) const
    {
        const Median* m = find(mode, kind, n);
        return m ? m->seconds : -1;
    }

private:
    static double counter(const Run& run, const char* name)
    {
        auto found = run.counters.find(name);
        return found == run.counters.end() ? -1 : found->second.value;
    }
    std::map<std::string, Median> medians;
};

double ratio(double a, double b)
{
    return a >= 0 && b > 0 ? a / b : -1;
}

std::string firstLine(const char* path, const char* prefix)
{
    FILE* fp = fopen(path, "r");
    if (!fp)
        return "?";
    char line[512];
    std::string found = "?";
    while (fgets(line, sizeof line, fp))
        if (strncmp(line, prefix, strlen(prefix)) == 0) {
            found = line + strlen(prefix);
            found.erase(found.find_last_not_of(" \t\n") + 1);
            found.erase(0, found.find_first_not_of(" \t:"));
            break;
        }
    fclose(fp);
    return found;
}

std::string loadAverage()
{
    double one = -1;
    FILE* fp = fopen("/proc/loadavg", "r");
    if (fp) {
        if (fscanf(fp, "%lf", &one) != 1)
            one = -1;
        fclose(fp);
    }
    return Table::number(one, 2);
}

void printMachine()
{
    char date[32];
    time_t now = time(nullptr);
    strftime(date, sizeof date, "%Y-%m-%d %H:%M", localtime(&now));
    long memoryKb = atol(firstLine("/proc/meminfo", "MemTotal").c_str());
    printf("kivbench, %s: %ld CPUs (%s), %.1f GB of memory, Debian %s, g++ %s, %s; load average %s\n", date,
           sysconf(_SC_NPROCESSORS_ONLN), firstLine("/proc/cpuinfo", "model name").c_str(), memoryKb / 1048576.0,
           firstLine("/etc/debian_version", "").c_str(), __VERSION__, libraryVersions().c_str(), loadAverage().c_str());
}

void summary(const Collector& results, const std::vector<int>& sizes)
{
    const Mode modes[] = {WARM, COLD};
    const PassKind loads[] = {PASS_ARF, PASS_SRF, PASS_FRF, PASS_FULL};
    std::vector<int> measured;
    for (int n : sizes)
        for (Mode mode : modes)
            for (PassKind kind : allPassKinds())
                if (results.find(mode, kind, n) && std::find(measured.begin(), measured.end(), n) == measured.end())
                    measured.push_back(n);
    if (measured.empty())
        return;
    auto rate = [&](Mode mode, PassKind kind, int n) {
        double seconds = results.seconds(mode, kind, n);
        return seconds > 0 ? (double)installations[n].bytes(kind) / seconds / 1e6 : -1;
    };

    printf(
        "\nSummary: CPU time, median of the repetitions; MB/s are 10^6 input bytes per second; full = the three "
        "loads one after the other; n/a = not measured.\n\nInput\n");
    Table input({"N", "files", "bytes", "ARF", "SRF", "FRF", "libconfig"});
    for (int n : measured) {
        const Installation& in = installations[n];
        input.add({Table::count(n), Table::count((long)in.files.size()), Table::count(in.bytes(PASS_FULL)),
                   Table::count(in.arfBytes), Table::count(in.srfBytes), Table::count(in.frfBytes),
                   Table::count(in.peerBytes)});
    }
    input.print();

    printf("\nMB/s\n");
    std::vector<std::string> header = {"N", "mode"};
    for (PassKind kind : allPassKinds())
        header.push_back(passName(kind));
    Table rates(header);
    for (int n : measured)
        for (Mode mode : modes) {
            std::vector<std::string> row = {Table::count(n), modeNames[mode]};
            for (PassKind kind : allPassKinds())
                row.push_back(Table::number(rate(mode, kind, n), 1));
            rates.addMeasured(row, 2);
        }
    rates.print();

    printf("\nThe full load against the bound and libconfig; its peak memory, destruction and page faults\n");
    Table full({"N", "mode", "full/bound MB/s", "per byte over libconfig", "peak B/B", "libconfig peak B/B",
                "destroy ms", "destroy/load", "faults"});
    for (int n : measured)
        for (Mode mode : modes) {
            const Installation& in = installations[n];
            const Median* f = results.find(mode, PASS_FULL, n);
            const Median* p = results.find(mode, PASS_PEER, n);
            double perByte = ratio(results.seconds(mode, PASS_FULL, n) / (double)in.bytes(PASS_FULL),
                                   results.seconds(mode, PASS_PEER, n) / (double)in.peerBytes);
            full.addMeasured({Table::count(n), modeNames[mode],
                              Table::number(ratio(rate(mode, PASS_FULL, n), rate(mode, PASS_BOUND, n)), 2),
                              Table::number(f && p ? perByte : -1, 2),
                              Table::number(f ? f->peakBytes / (double)in.bytes(PASS_FULL) : -1, 2),
                              Table::number(p ? p->peakBytes / (double)in.peerBytes : -1, 2),
                              Table::number(f ? f->destroySeconds * 1e3 : -1, 1),
                              Table::number(f ? ratio(f->destroySeconds, f->seconds) : -1, 2),
                              Table::number(f ? f->faults : -1, 0)},
                             2);
        }
    if (full.empty())
        printf("(not measured)\n");
    else
        full.print();

    printf("\nGrowth of the time from N to 10 N (10.0x is linear)\n");
    header[0] = "from N";
    Table growth(header);
    for (int n : measured) {
        if (std::find(measured.begin(), measured.end(), 10 * n) == measured.end())
            continue;
        for (Mode mode : modes) {
            std::vector<std::string> row = {Table::count(n), modeNames[mode]};
            for (PassKind kind : allPassKinds())
                row.push_back(Table::number(ratio(results.seconds(mode, kind, 10 * n), results.seconds(mode, kind, n)),
                                            1, "x"));
            growth.addMeasured(row, 2);
        }
    }
    if (growth.empty())
        printf("(needs two sizes N and 10 N)\n");
    else
        growth.print();

    // The targets of the load work, at 1,000 and 10,000 applications.
    printf("\nTargets (warm / cold)\n");
    auto both = [&](auto value, int decimals, const char* suffix) {
        return Table::number(value(WARM), decimals, suffix) + " / " + Table::number(value(COLD), decimals, suffix);
    };
    Table targets({"target", "N = 1,000", "N = 10,000"});
    auto row = [&](const char* target, int decimals, const char* suffix, auto valueAt) {
        targets.add({target, both([&](Mode m) { return valueAt(m, 1000); }, decimals, suffix),
                     both([&](Mode m) { return valueAt(m, 10000); }, decimals, suffix)});
    };
    row("full load MB/s over the bound's, at least 0.5", 2, "",
        [&](Mode m, int n) { return ratio(rate(m, PASS_FULL, n), rate(m, PASS_BOUND, n)); });
    row("full load time per byte over libconfig's, below 1", 2, "", [&](Mode m, int n) {
        return ratio(results.seconds(m, PASS_FULL, n) / (double)installations[n].bytes(PASS_FULL),
                     results.seconds(m, PASS_PEER, n) / (double)installations[n].peerBytes);
    });
    row("worst growth to this N from N / 10 of ARF, SRF, FRF, full: at most 10.5x", 1, "x", [&](Mode m, int n) {
        double worst = -1;
        for (PassKind kind : loads) {
            double g = ratio(results.seconds(m, kind, n), results.seconds(m, kind, n / 10));
            if (g < 0)
                return -1.0;
            worst = std::max(worst, g);
        }
        return worst;
    });
    row("full load's peak memory per input byte, at most 4", 2, "", [&](Mode m, int n) {
        const Median* f = results.find(m, PASS_FULL, n);
        return f && installations.count(n) ? f->peakBytes / (double)installations[n].bytes(PASS_FULL) : -1;
    });
    row("destroying the full result over loading it, at most 0.25", 2, "", [&](Mode m, int n) {
        const Median* f = results.find(m, PASS_FULL, n);
        return f ? ratio(f->destroySeconds, f->seconds) : -1;
    });
    targets.print();
}

// Removes "--name=value" from the arguments; the value, or `otherwise`.
std::string takeOption(int& argc, char** argv, const char* name, const std::string& otherwise)
{
    size_t length = strlen(name);
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], name, length) != 0 || (argv[i][length] != '=' && argv[i][length] != 0))
            continue;
        std::string value = argv[i][length] == '=' ? argv[i] + length + 1 : "yes";
        for (int j = i; j < argc - 1; ++j)
            argv[j] = argv[j + 1];
        --argc;
        return value;
    }
    return otherwise;
}

std::vector<int> parseSizes(const std::string& list)
{
    std::vector<int> sizes;
    for (const char* p = list.c_str(); *p;) {
        int n = atoi(p);
        if (n > 0)
            sizes.push_back(n);
        p += strcspn(p, ",");
        if (*p)
            ++p;
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[1], "--one-load") == 0)
        return oneLoadMain(argv[2], argv[3]);

    setvbuf(stdout, nullptr, _IOLBF, 0); // the progress lines go to the error stream
    // The warm passes repeat a load in this process: the heap keeps the pages
    // it grew to, instead of glibc handing the top of the heap (and every
    // block above its mmap threshold) back to the system at each destruction
    // once the result outgrows its thresholds, which would make the larger
    // sizes pay page faults that the smaller ones do not. The cold passes run
    // in fresh processes (--one-load, above) with glibc's defaults.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    std::vector<int> sizes = parseSizes(takeOption(argc, argv, "--sizes", "100,1000,10000"));
    int repetitions = std::max(1, atoi(takeOption(argc, argv, "--reps", "3").c_str()));
    bool all = takeOption(argc, argv, "--all", "") == "yes";
    bool linear = takeOption(argc, argv, "--linear", "") == "yes" || all;
    bool shuffled = takeOption(argc, argv, "--shuffled", "") == "yes" || linear;
    bool bySize = !shuffled || all;
    LinearCases::Options linearOptions;
    linearOptions.bytes = (long)(atof(takeOption(argc, argv, "--linear-mb", "16").c_str()) * (1 << 20));
    linearOptions.menus = atol(takeOption(argc, argv, "--linear-menus", "10000").c_str());
    linearOptions.repetitions = repetitions;
    ShuffledApplications::Options shuffledOptions;
    shuffledOptions.files = atol(takeOption(argc, argv, "--shuffled-files", "5000").c_str());
    shuffledOptions.repetitions = repetitions;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    char pattern[] = "/tmp/kivbench.XXXXXX";
    if (!mkdtemp(pattern)) {
        perror("kivbench");
        return 1;
    }
    workDir = pattern;
    printMachine();

    int status = 0;
    if (bySize) {
        for (int n : sizes) {
            double bytes = 6600.0 * n; // about what the installation reads
            auto iterations = (benchmark::IterationCount)std::clamp(warmBytesPerRepetition / bytes, 1.0, 1000.0);
            for (PassKind kind : allPassKinds())
                benchmark::RegisterBenchmark(benchName(WARM, kind, n).c_str(),
                                             [kind, n](benchmark::State& state) { warmPass(state, kind, n); })
                    ->Iterations(iterations)
                    ->Repetitions(repetitions)
                    ->ReportAggregatesOnly(true)
                    ->Unit(benchmark::kMillisecond);
            for (PassKind kind : allPassKinds())
                benchmark::RegisterBenchmark(benchName(COLD, kind, n).c_str(),
                                             [kind, n](benchmark::State& state) { coldPass(state, kind, n); })
                    ->Iterations(1)
                    ->Repetitions(repetitions)
                    ->ReportAggregatesOnly(true)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
        }
        Collector collector;
        benchmark::RunSpecifiedBenchmarks(&collector);
        summary(collector, sizes);
    }
    if (linear && !LinearCases::run(workDir + "/linear", linearOptions))
        status = 1;
    if (shuffled && !ShuffledApplications::run(workDir + "/shuffled", shuffledOptions))
        status = 1;
    printf("\nload average at the end: %s\n", loadAverage().c_str());
    benchmark::Shutdown();
    std::filesystem::remove_all(workDir);
    return status;
}
