// The load benchmark on synthetic installations of N applications (see
// SyntheticInstallation.h): a scanner-only pass over every file (the bound for
// any parse), the full loads of the application, symbol and field
// registrations, and a general configuration library reading a file of the
// same content, as the peer. After the measurements a summary gives the
// rates, the ratio of the load to the scan, the growth from N to 10 N and
// the peak memory per input byte.
//
// usage: kivbench [--sizes=100,1000,10000] [benchmark options]
#include "SyntheticInstallation.h"
#include "ScannerPass.h"

#include "kivparser/kivparser.h"

#include <benchmark/benchmark.h>
#include <libconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Tree {
    std::string root;
    SyntheticInstallation::Sizes sizes;
    std::vector<std::string> files; // every registration file
    long bytes() const { return sizes.arfBytes + sizes.srfBytes + sizes.frfBytes; }
    std::string dir(const char* kind) const { return root + "/" + kind; }
    std::string peer() const { return root + "/peer.cfg"; }
};

std::string workDir;
std::map<int, Tree> trees;

Tree& treeFor(int n)
{
    auto found = trees.find(n);
    if (found != trees.end())
        return found->second;
    Tree& t = trees[n];
    t.root = workDir + "/n" + std::to_string(n);
    if (!SyntheticInstallation::write(t.root, n, &t.sizes)) {
        fprintf(stderr, "kivbench: cannot write %s\n", t.root.c_str());
        exit(1);
    }
    for (const char* kind : { "registration", "symbols", "fields" })
        for (auto& entry : std::filesystem::directory_iterator(t.dir(kind) + "/C"))
            t.files.push_back(entry.path().string());
    std::sort(t.files.begin(), t.files.end());
    return t;
}

void BM_Scan(benchmark::State& state)
{
    Tree& t = treeFor((int)state.range(0));
    for (auto _ : state)
        for (const std::string& file : t.files)
            benchmark::DoNotOptimize(ScannerPass::scanFile(file.c_str()));
    state.SetBytesProcessed(state.iterations() * t.bytes());
}

template <class Registration, Registration* (*load)(int, const char*)>
void loadBench(benchmark::State& state, const char* kind, long SyntheticInstallation::Sizes::*bytes)
{
    Tree& t = treeFor((int)state.range(0));
    std::string dir = t.dir(kind);
    for (auto _ : state) {
        Registration* reg = load(0, dir.c_str());
        if (!reg) {
            state.SkipWithError("the load returned nothing");
            break;
        }
        state.PauseTiming();
        delete reg;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * (t.sizes.*bytes));
}

void BM_LoadArf(benchmark::State& state)
{
    loadBench<ApplicationRegistration, loadArf>(state, "registration", &SyntheticInstallation::Sizes::arfBytes);
}
void BM_LoadSrf(benchmark::State& state)
{
    loadBench<SymbolRegistration, loadSrf>(state, "symbols", &SyntheticInstallation::Sizes::srfBytes);
}
void BM_LoadFrf(benchmark::State& state)
{
    loadBench<FieldRegistration, loadFrf>(state, "fields", &SyntheticInstallation::Sizes::frfBytes);
}

void BM_Peer(benchmark::State& state)
{
    Tree& t = treeFor((int)state.range(0));
    for (auto _ : state) {
        config_t config;
        config_init(&config);
        if (config_read_file(&config, t.peer().c_str()) != CONFIG_TRUE) {
            fprintf(stderr, "kivbench: %s:%d: %s\n", t.peer().c_str(), config_error_line(&config),
                    config_error_text(&config));
            state.SkipWithError("the peer could not read its file");
            config_destroy(&config);
            break;
        }
        state.PauseTiming();
        config_destroy(&config);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * t.sizes.peerBytes);
}

// Seconds per iteration of every run, by name ("load_arf/1000").
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                seconds[run.run_name.function_name + "/" + run.run_name.args] =
                    run.cpu_accumulated_time / (double)run.iterations;
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

long kilobytes(const char* field)
{
    FILE* fp = fopen("/proc/self/status", "r");
    if (!fp)
        return -1;
    char line[256];
    long value = -1;
    size_t len = strlen(field);
    while (fgets(line, sizeof line, fp))
        if (strncmp(line, field, len) == 0 && line[len] == ':')
            value = atol(line + len + 1);
    fclose(fp);
    return value;
}

// Peak resident memory that a load (or the peer's read) of the tree at
// `root` adds to a fresh process, in bytes: this program runs itself with
// --peak=WHAT:ROOT, so that nothing of the benchmarks counts.
long peakBytes(const char* what, const std::string& root)
{
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return -1;
    self[length] = 0;
    std::string command = "'" + std::string(self) + "' --peak=" + what + ":'" + root + "'";
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long peak = -1;
    if (fscanf(child, "%ld", &peak) != 1)
        peak = -1;
    pclose(child);
    return peak;
}

// The child's side of peakBytes.
int measurePeak(const char* spec)
{
    std::string what(spec, strcspn(spec, ":"));
    std::string root = spec[what.size()] ? spec + what.size() + 1 : "";
    long before = kilobytes("VmRSS");
    if (what == "load") {
        ApplicationRegistration* a = loadArf(0, (root + "/registration").c_str());
        SymbolRegistration* s = loadSrf(0, (root + "/symbols").c_str());
        FieldRegistration* f = loadFrf(0, (root + "/fields").c_str());
        printf("%ld\n", (kilobytes("VmHWM") - before) * 1024);
        delete a;
        delete s;
        delete f;
    } else {
        config_t config;
        config_init(&config);
        config_read_file(&config, (root + "/peer.cfg").c_str());
        printf("%ld\n", (kilobytes("VmHWM") - before) * 1024);
        config_destroy(&config);
    }
    return 0;
}

void summary(const Collector& results, const std::vector<int>& sizes)
{
    auto get = [&](const char* name, int n) {
        auto found = results.seconds.find(std::string(name) + "/" + std::to_string(n));
        return found == results.seconds.end() ? -1.0 : found->second;
    };
    auto rate = [](double bytes, double seconds) { return seconds > 0 ? bytes / seconds / 1e6 : 0.0; };
    printf("\nSummary (MB/s = 10^6 input bytes per second; load = loadArf + loadSrf + loadFrf)\n");
    printf("%8s %12s %9s %9s %9s %9s %9s %10s %9s %10s %11s %11s\n", "N", "input bytes", "scan MB/s", "load MB/s",
           "ARF MB/s", "SRF MB/s", "FRF MB/s", "load/scan", "peer MB/s", "load/peer", "peak B/B", "peer peak");
    for (int n : sizes) {
        Tree& t = treeFor(n);
        double scan = get("BM_Scan", n), arf = get("BM_LoadArf", n), srf = get("BM_LoadSrf", n),
               frf = get("BM_LoadFrf", n), peer = get("BM_Peer", n);
        double load = arf + srf + frf;
        long peak = peakBytes("load", t.root), peerPeak = peakBytes("peer", t.root);
        // Per byte: how much longer the load takes for one input byte than
        // the peer does for one byte of its file.
        double perByteLoad = load / t.bytes(), perBytePeer = peer / t.sizes.peerBytes;
        printf("%8d %12ld %9.1f %9.1f %9.1f %9.1f %9.1f %10.2f %9.1f %10.2f %11.1f %11.1f\n", n, t.bytes(),
               rate(t.bytes(), scan), rate(t.bytes(), load), rate(t.sizes.arfBytes, arf), rate(t.sizes.srfBytes, srf),
               rate(t.sizes.frfBytes, frf), scan > 0 ? load / scan : 0.0, rate(t.sizes.peerBytes, peer),
               perBytePeer > 0 ? perByteLoad / perBytePeer : 0.0, (double)peak / t.bytes(),
               (double)peerPeak / t.sizes.peerBytes);
    }
    printf("\nGrowth of the time from N to 10 N, divided by 10 (1.0 is linear)\n");
    printf("%8s %8s %8s %8s %8s %8s %8s\n", "N", "scan", "load", "ARF", "SRF", "FRF", "peer");
    for (int n : sizes) {
        if (std::find(sizes.begin(), sizes.end(), 10 * n) == sizes.end())
            continue;
        auto growth = [&](const char* name) {
            double a = get(name, n), b = get(name, 10 * n);
            return a > 0 && b > 0 ? b / a / 10 : 0.0;
        };
        double loadN = get("BM_LoadArf", n) + get("BM_LoadSrf", n) + get("BM_LoadFrf", n);
        double load10N = get("BM_LoadArf", 10 * n) + get("BM_LoadSrf", 10 * n) + get("BM_LoadFrf", 10 * n);
        printf("%8d %8.2f %8.2f %8.2f %8.2f %8.2f %8.2f\n", n, growth("BM_Scan"), load10N / loadN / 10,
               growth("BM_LoadArf"), growth("BM_LoadSrf"), growth("BM_LoadFrf"), growth("BM_Peer"));
    }
}

std::vector<int> parseSizes(int& argc, char** argv)
{
    std::vector<int> sizes = { 100, 1000, 10000 };
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--sizes=", 8) != 0)
            continue;
        sizes.clear();
        for (char* p = argv[i] + 8; *p;) {
            int n = atoi(p);
            if (n > 0)
                sizes.push_back(n);
            p += strcspn(p, ",");
            if (*p)
                ++p;
        }
        for (int j = i; j < argc - 1; ++j)
            argv[j] = argv[j + 1];
        --argc;
        break;
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && strncmp(argv[1], "--peak=", 7) == 0)
        return measurePeak(argv[1] + 7);
    std::vector<int> sizes = parseSizes(argc, argv);
    char pattern[] = "/tmp/kivbench.XXXXXX";
    if (!mkdtemp(pattern)) {
        perror("kivbench");
        return 1;
    }
    workDir = pattern;

    for (int n : sizes) {
        treeFor(n);
        benchmark::RegisterBenchmark("BM_Scan", BM_Scan)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_LoadArf", BM_LoadArf)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_LoadSrf", BM_LoadSrf)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_LoadFrf", BM_LoadFrf)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_Peer", BM_Peer)->Arg(n)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    summary(collector, sizes);
    benchmark::Shutdown();
    std::filesystem::remove_all(workDir);
    return 0;
}
