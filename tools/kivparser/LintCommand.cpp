#include "LintCommand.h"

#include "FileSet.h"
#include "RegistrationKind.h"
#include "ReportPrinter.h"
#include <kivparser/kivparser.h>

#include <cstdio>
#include <string>

namespace {

const char* const helpBefore =
    "Reports everything that check reports, then what only the whole merged\n"
    "registration shows: menus, popup menus and lists that entries name but no\n"
    "block defines, menu blocks that no entry names, empty menus and menu bars,\n"
    "misspelt functions (f.acton), definitions that an earlier file's hide.\n"
    "With FILE... the files are parsed in the order given into one set of\n"
    "registrations (FILE - reads standard input); with --path, or without\n"
    "either, the installation is loaded as the loaders load it. Each problem is\n"
    "reported at the place to fix, with its rule; kivparser(1) explains every\n"
    "rule under RULES. The output ends with the total.\n"
    "\n"
    "Options:\n"
    "  --path DIRLIST  load from these directories (';'-separated) instead of the\n"
    "                  standard ones\n";
const char* const helpAfter =
    "\n"
    "Exit status: 0 when nothing but warnings was found (none at all with\n"
    "--strict), 1 when there was an error (or, with --strict, a warning) or no\n"
    "application registration was found, 2 for a usage error. With --format=gnu\n"
    "or json the total goes to standard error.\n";
const std::string help =
    std::string(helpBefore) + ReportPrinter::optionHelp + ReportPrinter::strictHelp + ReportPrinter::rulesHelp + helpAfter;

const CommandTexts texts = {
    "lint",
    "lint [FILE...] [--path DIRLIST] [--format=text|gnu|json] [--max-reports N] [--strict] [--disable=RULE[,RULE]] "
    "[--enable=RULE[,RULE]]",
    "check registration files and the merged registration for mistakes",
    help.c_str(),
};

} // namespace

LintCommand::LintCommand()
    : ToolCommand(texts, {{"--path", true},
                          ReportPrinter::formatOption,
                          ReportPrinter::maxReportsOption,
                          ReportPrinter::strictOption,
                          ReportPrinter::disableOption,
                          ReportPrinter::enableOption})
{
}

int LintCommand::run(const CommandLine& line)
{
    const char* path = line.value("--path");
    if (path && !line.operands().empty())
        return usageError("give FILE... or --path, not both");
    ReportPrinter printer;
    std::string error;
    if (!printer.configure(line, error))
        return usageError(error);
    printer.installAlways();

    const std::vector<const char*>& rules = printer.lintRules();
    bool found = true;
    if (!line.operands().empty()) {
        FileSet files;
        files.parse(line.operands(), printer);
        lintApplications(files.applications(), rules.data(), static_cast<int>(rules.size()));
    } else {
        // Every kind, for what their files report; the rules are about the
        // application registrations.
        ApplicationRegistration* arf = loadArf(0, path);
        found = arf != nullptr;
        lintApplications(arf, rules.data(), static_cast<int>(rules.size()));
        delete arf;
        delete loadSrf(0, path);
        delete loadFrf(0, path);
        delete loadSvrf(0, path);
    }
    printer.finish();
    if (!found)
        RegistrationKind::application.reportNotFound(path);

    std::fflush(stdout);
    printer.printCounts(nullptr, printer.errors(), printer.warnings());
    if (!found || printer.errors() || (printer.strict() && printer.warnings()))
        return TOOL_EXIT_FAILURE;
    return TOOL_EXIT_OK;
}
