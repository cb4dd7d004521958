// A host as a host writes it, built against the installed headers with every
// warning an error (-Werror=write-strings among them): it loads quietly and
// gets its status and its records, looks up with literals in a const
// registration, walks every kind of list with range-for and parses text
// held in memory. Prints "host: ok" or what went wrong, and exits 1 then.
//
// usage: host SAMPLE_REGISTRATION_DIR FAULTY_REGISTRATION_DIR FILE

#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const std::string& what)
{
    if (!ok) {
        std::printf("host: FAILED %s\n", what.c_str());
        ++failures;
    }
}

// Everything a function prints on standard output.
template <class F>
std::string printed(F print)
{
    std::fflush(stdout);
    std::FILE* saved = std::tmpfile();
    std::FILE* capture = std::tmpfile();
    if (!saved || !capture)
        return "(no temporary file)";
    int out = dup(1);
    dup2(fileno(capture), 1);
    print();
    std::fflush(stdout);
    dup2(out, 1);
    close(out);
    std::rewind(capture);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, capture)) > 0;)
        text.append(buffer, n);
    std::fclose(capture);
    std::fclose(saved);
    return text;
}

// Counts the elements of a list through range-for, const or not.
template <class T>
int count(T* head)
{
    int n = 0;
    for (auto& element : kivparser::elements(head)) {
        (void)element;
        ++n;
    }
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: host SAMPLE_REGISTRATION_DIR FAULTY_REGISTRATION_DIR FILE\n");
        return 2;
    }
    const char* sample = argv[1];
    const char* dir = argv[2];
    const char* file = argv[3];

    // A quiet load: records reach the handler, nothing is printed, and the
    // status holds the sums a verbose load prints as its totals.
    int records = 0;
    kivparser::LoadStatus status{};
    kivparser::ApplicationRegistration* faulty = nullptr;
    std::string quiet = printed([&] {
        kivparser::ParserReportScope scope([&](const kivparser::ParserReport&) { ++records; });
        faulty = kivparser::loadArf(0, dir, &status);
    });
    delete faulty;
    check(status.errors > 0 && status.warnings > 0, "the faulty files give errors and warnings");
    check(quiet.empty(), "a quiet load prints nothing: " + quiet.substr(0, 80));
    std::string verbose = printed([&] { delete kivparser::loadArf(1, dir); });
    char totals[128];
    std::snprintf(totals, sizeof totals, ">>>total:  errors: %d, warnings: %d\n", status.errors, status.warnings);
    check(verbose.find(totals) != std::string::npos, std::string("the status sums are the printed ") + totals);
    check(records == status.errors + status.warnings, "one record per error and warning");
    int parsedLines = 0;
    for (size_t at = 0; (at = verbose.find("[parsing ", at)) != std::string::npos; ++at)
        ++parsedLines;
    check(status.files == parsedLines && status.files > 0, "the status counts the files parsed");
    check(status.unopened == 0, "every file could be read");
    kivparser::ApplicationRegistration* reg = kivparser::loadArf(0, sample);
    check(reg != nullptr, "loadArf found the sample");
    if (!reg)
        return 1;

    // Lookups with literals, in a const registration, and range-for over
    // every list: null heads, empty lists and full ones alike.
    const kivparser::ApplicationRegistration* view = reg;
    const kivparser::Application* map = view->lookupApplication("ZETA Taluna Varnel Map");
    check(map != nullptr, "lookupApplication with a literal");
    check(map == nullptr || map->lookupAction("No Such Action") == nullptr, "a missing action is null");
    int bars = 0;
    for (const kivparser::MenuBar& bar : kivparser::elements(view->menuBars)) {
        check(view->lookupMenuBar(bar.menuID) == &bar, std::string("menu bar ") + bar.menuID + " found again");
        bars += count(bar.menuItems) > 0 ? 1 : 0;
    }
    check(bars > 0, "menu bars with entries");
    int actions = 0, accesses = 0;
    for (const kivparser::Application& app : kivparser::elements(view->applications))
        for (const kivparser::Action& action : kivparser::elements(app.actions)) {
            ++actions;
            accesses += count(action.accesses);
            check(count(action.nameFields) >= 0, "name fields walk");
        }
    check(actions > 0 && accesses > 0, "actions and their access lists");
    std::string dumped = printed([&] { view->debugDump(); });
    check(dumped.find("MenuBar <") != std::string::npos, "a const registration dumps");
    std::FILE* json = std::tmpfile();
    check(json && kivparser::dumpJson(json, view) == 0, "a const registration exports");
    if (json)
        std::fclose(json);
    kivparser::Menu* none = nullptr;
    check(count(none) == 0 && kivparser::elements(none).empty(), "a null head has no elements");
    kivparser::Menu lone(strdup("lone"));
    check(count(lone.menuItems) == 0, "a list never used has no elements");
    check(count(view->popupItems) >= 0 && count(view->toolbarButtons) >= 0 && count(view->tabs) >= 0 &&
              count(view->lists) >= 0 && count(view->windows) >= 0,
          "the registration's other lists");

    // The same bytes from memory and from the file: the same dump, the same
    // reports but for the name.
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    kivparser::ApplicationRegistration* fromFile = nullptr;
    kivparser::ApplicationRegistration* fromMemory = nullptr;
    std::string fileReports = printed([&] {
        kivparser::KivParser parser(const_cast<char*>(file), fromFile, 1);
        fromFile = parser.getAppReg();
    });
    std::string memoryReports = printed([&] {
        kivparser::KivParser parser(kivparser::SourceText{"in memory", text.data(), text.size()}, fromMemory, 1);
        fromMemory = parser.getAppReg();
    });
    for (size_t at; (at = fileReports.find(file)) != std::string::npos;)
        fileReports.replace(at, std::strlen(file), "in memory");
    check(fileReports == memoryReports, "the same reports from memory and from the file");
    check(fromFile && fromMemory, "both parses made a registration");
    if (fromFile && fromMemory)
        check(printed([&] { fromFile->debugDump(); }) == printed([&] { fromMemory->debugDump(); }),
              "the same dump from memory and from the file");
    delete fromFile;
    delete fromMemory;
    delete reg;

    if (failures == 0)
        std::printf("host: ok\n");
    return failures == 0 ? 0 : 1;
}
