// kivlspbench: what the language server costs an editor. On synthetic
// installations of N applications (SyntheticInstallation), with the server
// in this process (LspServer::handle, every answer serialized as the
// connection would send it):
//
//   open    initialize + initialized: every kind listed and loaded, every
//           diagnostic published; against loadArf (and all four loaders) of
//           the same installation
//   change  one application file (about 6 KB) open in the editor, then
//           changes that alternately break and mend a statement of it: the
//           time from the change's arrival to its publishDiagnostics
//
// Times are the CPU time of the process (what the server itself spends: on
// a machine shared with other work, wall-clock time adds the waits for the
// processor), the median of the repetitions; the change is also given in
// wall-clock time.
//
// usage: kivlspbench [--sizes=1,100,1000] [--changes=51] [--reps=5] [--no-lint]
// (--no-lint: the server is asked to leave out the linter's rules)
#include "SyntheticInstallation.h"
#include "lsp/FileUri.h"
#include "lsp/LspServer.h"

#include <kivparser/kivparser.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuMilliseconds()
{
    struct timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

std::vector<int> numbers(const char* text)
{
    std::vector<int> result;
    for (const char* p = text; *p;) {
        result.push_back(std::atoi(p));
        p = std::strchr(p, ',');
        if (!p)
            break;
        p++;
    }
    return result;
}

// Sends one message; the answers go through the sink, serialized.
struct Session {
    LspServer server;
    Clock::time_point sent;
    double sentCpu = 0;
    double diagnosticsAfter = -1;    // wall ms from `sent` to the last publishDiagnostics
    double diagnosticsCpuAfter = -1; // CPU ms the same
    int published = 0;

    void handle(const Json& message)
    {
        std::function<void(const Json&)> sink = [this](const Json& answer) {
            std::string text = answer.dump(-1, ' ', false, Json::error_handler_t::replace);
            if (answer.value("method", "") == "textDocument/publishDiagnostics") {
                published++;
                diagnosticsAfter = millisecondsSince(sent);
                diagnosticsCpuAfter = cpuMilliseconds() - sentCpu;
            }
        };
        sent = Clock::now();
        sentCpu = cpuMilliseconds();
        diagnosticsAfter = -1;
        diagnosticsCpuAfter = -1;
        server.handle(message.dump(), sink);
    }
};

bool lint = true;

Json initialize(const std::string& root)
{
    return Json{{"jsonrpc", "2.0"},
                {"id", 1},
                {"method", "initialize"},
                {"params",
                 {{"rootUri", FileUri::fromPath(root)},
                  {"capabilities", Json::object()},
                  {"initializationOptions", {{"lint", lint}}}}}};
}

Json notification(const char* method, Json params)
{
    return Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    std::vector<int> sizes = {1, 100, 1000};
    int changes = 51;
    int reps = 5;
    for (int i = 1; i < argc; i++) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0)
            sizes = numbers(argv[i] + 8);
        else if (std::strncmp(argv[i], "--changes=", 10) == 0)
            changes = std::max(1, std::atoi(argv[i] + 10));
        else if (std::strncmp(argv[i], "--reps=", 7) == 0)
            reps = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strcmp(argv[i], "--no-lint") == 0)
            lint = false;
        else {
            std::fprintf(stderr, "usage: kivlspbench [--sizes=1,100,1000] [--changes=51] [--reps=5] [--no-lint]\n");
            return 2;
        }
    }
    unsetenv("KIvRegDir");
    unsetenv("KIvSymDir");
    unsetenv("KIvFieldDir");
    std::string base = (std::filesystem::temp_directory_path() / "kivlspbench.XXXXXX").string();
    if (!mkdtemp(&base[0])) {
        std::perror("mkdtemp");
        return 1;
    }

    std::printf("%6s %10s %10s %10s %10s %9s %9s %10s %10s\n", "N", "ARF bytes", "loadArf", "4 loaders", "open",
                "open/ARF", "open/all", "change", "(wall)");
    for (int n : sizes) {
        std::string root = base + "/n" + std::to_string(n);
        SyntheticInstallation::Sizes written;
        if (!SyntheticInstallation::write(root, n, &written)) {
            std::perror(root.c_str());
            return 1;
        }
        setenv("KZ_ETC_PATH", root.c_str(), 1);

        std::vector<double> arf, all, open;
        for (int r = 0; r < reps; r++) {
            double start = cpuMilliseconds();
            ApplicationRegistration* a = loadArf(0, nullptr);
            arf.push_back(cpuMilliseconds() - start);
            SymbolRegistration* s = loadSrf(0, nullptr);
            FieldRegistration* f = loadFrf(0, nullptr);
            SnmppvReg* c = loadSvrf(0, nullptr);
            all.push_back(cpuMilliseconds() - start);
            delete a;
            delete s;
            delete f;
            delete c;

            Session session;
            start = cpuMilliseconds();
            session.handle(initialize(root));
            session.handle(notification("initialized", Json::object()));
            open.push_back(cpuMilliseconds() - start);
        }

        // The application in the middle of the load order.
        char name[32];
        std::snprintf(name, sizeof name, "app%05d", n / 2);
        std::string file = root + "/registration/C/" + name;
        std::string text = readFile(file);
        std::string uri = FileUri::fromPath(file);
        Session session;
        session.handle(initialize(root));
        session.handle(notification("initialized", Json::object()));
        session.handle(notification("textDocument/didOpen",
                                    {{"textDocument", {{"uri", uri}, {"languageId", "kivreg"}, {"version", 1}, {"text", text}}}}));
        // The first ';' of the file, taken away and put back.
        std::size_t semicolon = text.find(';');
        int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(semicolon), '\n'));
        int character = static_cast<int>(semicolon - (text.rfind('\n', semicolon) + 1));
        std::vector<double> changeTimes, changeWall;
        for (int c = 0; c < changes; c++) {
            bool breakIt = c % 2 == 0;
            Json range = {{"start", {{"line", line}, {"character", character}}},
                          {"end", {{"line", line}, {"character", character + (breakIt ? 1 : 0)}}}};
            session.handle(notification("textDocument/didChange",
                                        {{"textDocument", {{"uri", uri}, {"version", c + 2}}},
                                         {"contentChanges", {{{"range", range}, {"text", breakIt ? "" : ";"}}}}}));
            if (session.diagnosticsAfter < 0) {
                std::fprintf(stderr, "kivlspbench: change %d published no diagnostics\n", c);
                return 1;
            }
            changeTimes.push_back(session.diagnosticsCpuAfter);
            changeWall.push_back(session.diagnosticsAfter);
        }
        double arfMs = median(arf), allMs = median(all), openMs = median(open);
        std::printf("%6d %10ld %8.1fms %8.1fms %8.1fms %9.2f %9.2f %8.2fms %8.2fms\n", n, written.arfBytes, arfMs,
                    allMs, openMs, openMs / arfMs, openMs / allMs, median(changeTimes), median(changeWall));
        std::fflush(stdout);
    }
    std::filesystem::remove_all(base);
    return 0;
}
