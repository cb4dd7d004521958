#include "DumpCommand.h"

#include "RegistrationKind.h"
#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstring>

namespace {

const CommandTexts texts = {
    "dump",
    "dump KIND [--path DIRLIST] [--app NAME] [--fold] [--verbose]",
    "load registrations of one kind (or all) and print them",
    "Loads every registration file of one kind and prints the registration as\n"
    "the library's dump prints it. KIND is one of:\n"
    "  arf    application registrations: menu bars, popup items, toolbar buttons,\n"
    "         applications with their menus, actions, enrollments, drop actions\n"
    "  tabs   the tabs of the application registrations, with their lists\n"
    "  srf    symbol registrations (classes and types)\n"
    "  frf    field registrations\n"
    "  svrf   CGI registrations of the web viewer\n"
    "  all    the five above in this order, each under a line naming it\n"
    "\n"
    "Options:\n"
    "  --path DIRLIST  load from these directories (';'-separated) instead of the\n"
    "                  standard ones; each holds a C subdirectory and language\n"
    "                  subdirectories, or is itself one of them\n"
    "  --app NAME      name the loading program first (setArfPriorities): its own\n"
    "                  file is parsed first and applications are ranked for it\n"
    "  --fold          fold cascades that lead to a single action into their entry\n"
    "  --verbose       print the directories, every file parsed and every problem\n"
    "\n"
    "Exit status: 0 when every registration asked for was loaded, 1 when one was\n"
    "not found (the directory looked in is named), 2 for a usage error.\n"};


// Loads the registration of one kind without tabs and prints it with its own
// dump operation.
template <class Registration, Registration* (*load)(int, const char*), const RegistrationKind& kind>
int loadAndDump(int verbose, const char* path)
{
    Registration* registration = load(verbose, path);
    if (!registration)
        return kind.reportNotFound(path);
    registration->debugDump();
    delete registration;
    return kExitOk;
}

}  // namespace

DumpCommand::DumpCommand()
    : ToolCommand(texts, {{"--path", true}, {"--app", true}, {"--fold", false}, {"--verbose", false}})
{
}

int DumpCommand::run(const CommandLine& line)
{
    if (line.operands().size() != 1)
        return usageError(line.operands().empty() ? "KIND is missing" : "only one KIND may be given");
    const char* kind = line.operands()[0];
    path_ = line.value("--path");
    fold_ = line.has("--fold");
    verbose_ = line.has("--verbose") ? 1 : 0;

    bool all = std::strcmp(kind, "all") == 0;
    bool arf = std::strcmp(kind, "arf") == 0;
    bool tabs = std::strcmp(kind, "tabs") == 0;
    bool srf = std::strcmp(kind, "srf") == 0;
    bool frf = std::strcmp(kind, "frf") == 0;
    bool svrf = std::strcmp(kind, "svrf") == 0;
    if (!(all || arf || tabs || srf || frf || svrf))
        return usageError(std::string("unknown KIND '") + kind + "' (arf, tabs, srf, frf, svrf or all)");

    if (const char* app = line.value("--app"))
        setArfPriorities(app);

    int status = kExitOk;
    if (all || arf || tabs) {
        if (dumpApplications(all || arf, all || tabs, all) != kExitOk)
            status = kExitFailure;
    }
    struct Part {
        bool wanted;
        const char* kind;
        int (*dump)(int, const char*);
    };
    const Part parts[] = {
        {srf, "srf", loadAndDump<SymbolRegistration, loadSrf, RegistrationKind::symbol>},
        {frf, "frf", loadAndDump<FieldRegistration, loadFrf, RegistrationKind::field>},
        {svrf, "svrf", loadAndDump<SnmppvReg, loadSvrf, RegistrationKind::cgi>},
    };
    for (const Part& part : parts) {
        if (all)
            header(part.kind);
        if ((all || part.wanted) && part.dump(verbose_, path_) != kExitOk)
            status = kExitFailure;
    }
    std::fflush(stdout);
    return status;
}

ApplicationRegistration* DumpCommand::loadApplications()
{
    ApplicationRegistration* registration = loadArf(verbose_, path_);
    if (registration && fold_)
        registration->removeSingleActionMenus();
    return registration;
}

int DumpCommand::dumpApplications(bool menus, bool tabs, bool headers)
{
    // The registration is loaded once for both of its dumps.
    if (headers)
        header("arf");
    ApplicationRegistration* registration = loadApplications();
    if (!registration) {
        int status = RegistrationKind::application.reportNotFound(path_);
        if (headers)
            header("tabs");
        return status;
    }
    if (menus)
        registration->debugDump();
    if (headers)
        header("tabs");
    if (tabs)
        registration->debugDumpTabs();
    delete registration;
    return kExitOk;
}

void DumpCommand::header(const char* kind)
{
    std::printf("=== %s ===\n", kind);
}
