#include "DumpCommand.h"

#include "RegistrationKind.h"
#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The help text before and after the options that every loading command shares.
const char* const helpBefore =
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
    "  --verbose       print the directories, every file parsed and every problem\n";
const char* const helpAfter =
    "\n"
    "With --format=json the registration itself is printed as one JSON document\n"
    "(for all, one object with a member per KIND, null for a kind that was not\n"
    "found).\n"
    "\n"
    "Exit status: 0 when every registration asked for was loaded, 1 when one was\n"
    "not found (the directory looked in is named), 2 for a usage error.\n";
const std::string help = std::string(helpBefore) + ReportPrinter::optionHelp + helpAfter;

const CommandTexts texts = {
    "dump",
    "dump KIND [--path DIRLIST] [--app NAME] [--fold] [--verbose] [--format=text|gnu|json] [--max-reports N]",
    "load registrations of one kind (or all) and print them",
    help.c_str(),
};

} // namespace

DumpCommand::DumpCommand()
    : ToolCommand(texts, {{"--path", true},
                          {"--app", true},
                          {"--fold", false},
                          {"--verbose", false},
                          ReportPrinter::formatOption,
                          ReportPrinter::maxReportsOption})
{
}

int DumpCommand::run(const CommandLine& line)
{
    if (line.operands().size() != 1)
        return usageError(line.operands().empty() ? "KIND is missing" : "only one KIND may be given");
    const char* kind = line.operands()[0];
    std::string error;
    if (!printer.configure(line, error))
        return usageError(error);
    path = line.value("--path");
    fold = line.has("--fold");
    verbose = line.has("--verbose") ? 1 : 0;
    json = printer.format() == FORMAT_JSON;

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
    // Without --verbose a dump prints no reports, in any format.
    if (verbose)
        printer.install();
    allKinds = all;
    partCount = 0;

    int status = TOOL_EXIT_OK;
    if (all || arf || tabs) {
        if (dumpApplications(all || arf, all || tabs) != TOOL_EXIT_OK)
            status = TOOL_EXIT_FAILURE;
    }
    struct Part {
        bool wanted;
        const char* kind;
        int (DumpCommand::*dump)();
    };
    const Part parts[] = {
        {srf, "srf", &DumpCommand::dumpOne<SymbolRegistration, loadSrf, RegistrationKind::symbol>},
        {frf, "frf", &DumpCommand::dumpOne<FieldRegistration, loadFrf, RegistrationKind::field>},
        {svrf, "svrf", &DumpCommand::dumpOne<SnmppvReg, loadSvrf, RegistrationKind::cgi>},
    };
    for (const Part& part : parts) {
        if (all)
            header(part.kind);
        if ((all || part.wanted) && (this->*part.dump)() != TOOL_EXIT_OK)
            status = TOOL_EXIT_FAILURE;
    }
    printer.finish();
    if (all && json)
        std::printf("}\n");
    std::fflush(stdout);
    return status;
}

template <class Registration, Registration* (*load)(int, const char*), const RegistrationKind& kind>
int DumpCommand::dumpOne()
{
    Registration* registration = load(verbose, path);
    if (!registration)
        return notFound(kind);
    print(registration);
    delete registration;
    return TOOL_EXIT_OK;
}

template <class Registration>
void DumpCommand::print(Registration* registration)
{
    if (json)
        dumpJson(stdout, registration);
    else
        registration->debugDump();
}

ApplicationRegistration* DumpCommand::loadApplications()
{
    ApplicationRegistration* registration = loadArf(verbose, path);
    if (registration && fold)
        registration->removeSingleActionMenus();
    return registration;
}

int DumpCommand::dumpApplications(bool menus, bool tabs)
{
    // The registration is loaded once for both of its dumps.
    if (allKinds)
        header("arf");
    ApplicationRegistration* registration = loadApplications();
    if (!registration) {
        int status = notFound(RegistrationKind::application);
        if (allKinds) {
            header("tabs");
            if (json)
                std::printf("null");
        }
        return status;
    }
    if (menus)
        print(registration);
    if (allKinds)
        header("tabs");
    if (tabs) {
        if (json)
            dumpJsonTabs(stdout, registration);
        else
            registration->debugDumpTabs();
    }
    delete registration;
    return TOOL_EXIT_OK;
}

int DumpCommand::notFound(const RegistrationKind& kind)
{
    printer.toolError(kind.notFound(path));
    // The document of "all" holds null in its place.
    if (allKinds && json)
        std::printf("null");
    return TOOL_EXIT_FAILURE;
}

void DumpCommand::header(const char* kind)
{
    if (json)
        std::printf("%s\"%s\":", partCount++ ? "," : "{", kind);
    else
        std::printf("=== %s ===\n", kind);
}
