// Fails one allocation at a time, every one of them in turn, while the sample
// installation is loaded, dumped, exported as JSON and checked for roles, the
// style sheet is generated and icon URLs are asked for. For every N the
// outcome must be right, or the stage that went wrong must have said so (an
// out-of-memory report, a failure result); a role must never be allowed an
// action that the correct registration denies it; nothing may leak or escape.
//
// usage: kivparser_alloc_sweep SAMPLE_DIR WORK_DIR [FIRST [LAST]]

#include "failure/FailingAllocator.h"
#include "failure/OutOfMemoryReports.h"

#include <kivparser/kivparser.h>

#include "lists/Pool.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <type_traits>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace kivparser;

namespace {

// ---- what the library told us -------------------------------------------------

// Set by the report handler while a stage runs.
using failing::outOfMemoryReports;

// ---- captured output ---------------------------------------------------------

// Standard output goes into a file that each stage reads back and empties.
class Capture {
public:
    explicit Capture(const std::string& path) : file(path)
    {
        fflush(stdout);
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        saved = dup(1);
        dup2(fd, 1);
        close(fd);
        // The stream's buffer is made now, not while a stage runs.
        printf(" ");
        take();
    }
    ~Capture()
    {
        fflush(stdout);
        dup2(saved, 1);
        close(saved);
    }
    std::string take()
    {
        fflush(stdout);
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (ftruncate(1, 0) != 0 || lseek(1, 0, SEEK_SET) != 0)
            std::abort();
        return text.str();
    }

private:
    std::string file;
    int saved;
};

// ---- one pass over everything -------------------------------------------------

// What one stage produced, and whether it said that it failed.
struct Stage {
    std::string name;
    std::string output;
    bool reported = false;
};

// Role decisions: "application/action role" -> allowed.
using Roles = std::map<std::string, bool>;

struct Pass {
    std::vector<Stage> stages;
    Roles roles;
    bool escaped = false; // an exception reached the caller
    std::string escapeWhere;
};

class Sweep {
public:
    // The work directory is made first: standard output is captured into it.
    Sweep(const std::string& sample, const std::string& work) : work(made(work)), capture(work + "/stdout")
    {
        setenv("KZ_ETC_PATH", (sample + "/etc").c_str(), 1);
        setenv("KZ_PATH", (work + "/kz").c_str(), 1);
        setenv("KZwwwBitmapDir", (sample + "/www/htdocs/bitmaps").c_str(), 1);
        unsetenv("KIvRegDir");
        unsetenv("KIvSymDir");
        unsetenv("KIvFieldDir");
        unsetenv("LANG");
        fs::create_directories(work);
        fs::path sheets = fs::path(work) / "kz/www/htdocs/C/dynamicViews";
        fs::create_directories(sheets);
        fs::copy_file(fs::path(sample) / "www/htdocs/C/dynamicViews/dvStyle.xml.template",
                      sheets / "dvStyle.xml.template", fs::copy_options::overwrite_existing);
        sheet = (sheets / "dvStyleV7.xml").string();
        json = fopen((work + "/json").c_str(), "w+");
        if (!json)
            std::abort();
        setParserReportHandler(failing::countOutOfMemory, nullptr);
    }
    ~Sweep()
    {
        setParserReportHandler(nullptr, nullptr);
        fclose(json);
    }

    // One pass; `nth` is the allocation to fail (0: none).
    Pass run(long nth, long* asked, bool* hit, long* kept)
    {
        Pass pass;
        failing::arm(nth);
        failing::pause();
        registrations(pass);
        web(pass);
        *hit = failing::failed();
        // Whatever happened, the cache must not keep a wrong registration.
        outOfMemoryReports = 0;
        std::string urls = icons(true);
        pass.stages.push_back(Stage{"icons after the pass", urls, outOfMemoryReports > 0});
        armed(pass, "kivParserReleaseSymbolCache", [] { kivParserReleaseSymbolCache(); });
        *kept = failing::countedBalance();
        *asked = failing::disarm();
        return pass;
    }

private:
    static std::string made(const std::string& directory)
    {
        fs::create_directories(directory);
        return directory;
    }

    // Runs `body` with allocations counted, catching what it throws.
    template <class F>
    void armed(Pass& pass, const char* where, F body)
    {
        failing::resume();
        try {
            body();
        } catch (...) {
            pass.escaped = true;
            pass.escapeWhere = where;
        }
        failing::pause();
    }

    std::string takeJson()
    {
        fflush(json);
        std::string text;
        rewind(json);
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, json)) > 0)
            text.append(buffer, got);
        rewind(json);
        if (ftruncate(fileno(json), 0) != 0)
            std::abort();
        return text;
    }

    template <class Reg, class Load>
    void registration(Pass& pass, const char* name, Load load)
    {
        outOfMemoryReports = 0;
        Reg* reg = nullptr;
        armed(pass, name, [&] {
            reg = load();
            if (reg) {
                reg->debugDump();
                dumpJson(json, reg);
            }
        });
        Stage stage{name, capture.take() + takeJson(), outOfMemoryReports > 0};
        if (!reg)
            stage.output += "(no registration)";
        if constexpr (std::is_same<Reg, ApplicationRegistration>::value)
            if (reg)
                roles(pass, reg);
        pass.stages.push_back(stage);
        armed(pass, "delete", [&] { delete reg; });
    }

    void registrations(Pass& pass)
    {
        registration<ApplicationRegistration>(pass, "loadArf", [] { return loadArf(0, nullptr); });
        registration<SymbolRegistration>(pass, "loadSrf", [] { return loadSrf(0, nullptr); });
        registration<FieldRegistration>(pass, "loadFrf", [] { return loadFrf(0, nullptr); });
        registration<SnmppvReg>(pass, "loadSvrf", [] { return loadSvrf(0, nullptr); });
    }

    // Every action of every application against every role word the
    // registration knows, and two it does not.
    void roles(Pass& pass, ApplicationRegistration* reg)
    {
        std::vector<std::string> words = {"", "nobody"};
        for (Application* app = reg->applications ? reg->applications->next() : nullptr; app; app = app->next())
            for (Action* action = app->actions ? app->actions->next() : nullptr; action; action = action->next())
                for (String* s = action->accesses ? action->accesses->next() : nullptr; s; s = s->next())
                    if (s->str)
                        words.push_back(s->str);
        for (Application* app = reg->applications ? reg->applications->next() : nullptr; app; app = app->next())
            for (Action* action = app->actions ? app->actions->next() : nullptr; action; action = action->next())
                for (const std::string& word : words) {
                    int allowed = 0;
                    armed(pass, "actionCertifiedByRole",
                          [&] { allowed = actionCertifiedByRole(action, word.c_str(), 1); });
                    pass.roles[std::string(app->appName ? app->appName : "?") + "/" +
                               (action->actionID ? action->actionID : "?") + " " + word] = allowed != 0;
                }
    }

    std::string icons(bool counted)
    {
        std::string urls;
        for (const char* symbol : {"Computer:Server", "Connector:Hub", "No:Such"}) {
            char url[KIV_WEB_URL_LEN] = "";
            if (counted)
                failing::resume();
            kivParserGetIconUrl(url, symbol);
            if (counted)
                failing::pause();
            urls += std::string(symbol) + " " + url + "\n";
        }
        return urls;
    }

    void web(Pass& pass)
    {
        // The first icon call fills the cache, the style sheet reloads it,
        // the later icon calls use it.
        armed(pass, "kivParserReleaseSymbolCache", [] { kivParserReleaseSymbolCache(); });
        outOfMemoryReports = 0;
        std::string first;
        armed(pass, "kivParserGetIconUrl", [&] {
            failing::pause();
            first = icons(true);
            failing::resume();
        });
        pass.stages.push_back(Stage{"first icons", first, outOfMemoryReports > 0});

        outOfMemoryReports = 0;
        char url[KIV_WEB_URL_LEN] = "";
        char err[KIV_WEB_ERRMSG_LEN] = "";
        int rc = 0;
        std::error_code ignored;
        fs::remove(sheet, ignored);
        armed(pass, "kivParserSetStyleXMLURLandCreateIfNeeded",
              [&] { rc = kivParserSetStyleXMLURLandCreateIfNeeded(url, 1, "C", err, sizeof err); });
        std::string output = "rc " + std::to_string(rc) + " url " + url + "\n" + sheetText();
        pass.stages.push_back(Stage{"style sheet", output, rc != 0 && err[0] != '\0'});

        outOfMemoryReports = 0;
        std::string later;
        armed(pass, "kivParserGetIconUrl", [&] {
            failing::pause();
            later = icons(true);
            failing::resume();
        });
        pass.stages.push_back(Stage{"later icons", later, outOfMemoryReports > 0});
    }

    // The style sheet with its generation date taken out.
    std::string sheetText()
    {
        std::ifstream in(sheet, std::ios::binary);
        if (!in)
            return "(no style sheet)";
        std::string text, line;
        bool dateNext = false;
        while (std::getline(in, line)) {
            text += dateNext ? "@DATE@" : line;
            text += "\n";
            dateNext = line == "Generated on";
        }
        return text;
    }

    std::string work;
    Capture capture;
    std::string sheet;
    FILE* json;
};

// ---- judging a pass ------------------------------------------------------------

struct Verdict {
    bool wrong = false;
    std::string why;
};

std::string firstDifference(const std::string& want, const std::string& got)
{
    size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at])
        ++at;
    size_t from = at > 60 ? at - 60 : 0;
    auto piece = [&](const std::string& s) {
        std::string p = s.substr(from, 120);
        for (char& c : p)
            if (c == '\n')
                c = '|';
        return p;
    };
    return "expected ..." + piece(want) + "...\n      got      ..." + piece(got) + "...";
}

Verdict judge(const Pass& reference, const Pass& pass, long leaked)
{
    Verdict v;
    auto add = [&](const std::string& why) {
        v.wrong = true;
        v.why += "    " + why + "\n";
    };
    if (pass.escaped)
        add("an exception escaped from " + pass.escapeWhere);
    if (leaked != 0)
        add(std::to_string(leaked) + " blocks leaked");
    for (size_t i = 0; i < reference.stages.size() && i < pass.stages.size(); ++i) {
        const Stage& want = reference.stages[i];
        const Stage& got = pass.stages[i];
        if (got.output != want.output && !got.reported)
            add(got.name + ": wrong result without a report\n      " + firstDifference(want.output, got.output));
    }
    for (const auto& [key, allowed] : pass.roles) {
        auto it = reference.roles.find(key);
        if (allowed && it != reference.roles.end() && !it->second)
            add("access opened: " + key);
    }
    return v;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s SAMPLE_DIR WORK_DIR [FIRST [LAST]]\n", argv[0]);
        return 2;
    }
    Pool::usePlainBlocks();
    long first = argc > 3 ? atol(argv[3]) : 1;
    long last = argc > 4 ? atol(argv[4]) : -1;

    Sweep sweep(argv[1], argv[2]);
    long asked = 0;
    long kept = 0;
    bool hit = false;
    // Twice without failing: caches fill in the first pass, the second is
    // the reference and the measure of what a pass allocates.
    sweep.run(0, &asked, &hit, &kept);
    Pass reference = sweep.run(0, &asked, &hit, &kept);
    long total = asked;
    if (kept != 0) {
        fprintf(stderr, "alloc-sweep: a pass without failures leaks %ld blocks\n", kept);
        return 1;
    }
    for (const Stage& stage : reference.stages)
        if (stage.reported) {
            fprintf(stderr, "alloc-sweep: the reference pass reported a failure in %s\n", stage.name.c_str());
            return 1;
        }

    // How many wrong outcomes are shown (KIVPARSER_SWEEP_SHOW; all are counted).
    const char* showText = getenv("KIVPARSER_SWEEP_SHOW");
    long show = showText ? atol(showText) : 40;
    long tried = 0, reported = 0, wrong = 0;
    for (long n = first; n <= total && (last < 0 || n <= last); ++n) {
        long leaked = 0;
        Pass pass = sweep.run(n, &asked, &hit, &leaked);
        ++tried;
        bool anyReport = false;
        for (const Stage& stage : pass.stages)
            anyReport = anyReport || stage.reported;
        reported += anyReport ? 1 : 0;
        Verdict v = judge(reference, pass, leaked);
        if (v.wrong) {
            ++wrong;
            if (wrong <= show)
                fprintf(stderr, "alloc-sweep: failing allocation %ld of %ld:\n%s", n, total, v.why.c_str());
        }
    }
    char summary[256];
    snprintf(summary, sizeof summary,
             "%ld allocations of a load, dump, JSON export, style sheet and icon URLs failed one at a time: "
             "%ld reported, %ld wrong",
             tried, reported, wrong);
    fprintf(stderr, "alloc-sweep: %s\n", summary);
    // For the test command's closing report.
    std::ofstream(std::string(argv[2]) + "/summary.txt") << summary << "\n";
    return wrong == 0 ? 0 : 1;
}
