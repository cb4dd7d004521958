#include "CheckCommand.h"

#include "FileSet.h"
#include "ReportPrinter.h"
#include <kivparser/kivparser.h>

#include <cstdio>
#include <new>
#include <string>

namespace {

// The help text before and after the options that every loading command shares.
const char* const helpBefore =
    "Parses the files in the order given, as a loader parses the files of a\n"
    "directory: into one set of registrations, so that a name defined again in a\n"
    "later file is reported as a duplicate. Every error and warning is printed\n"
    "with its file and line. The output ends with one line per file and a total.\n"
    "FILE - reads standard input (named <stdin> in the reports).\n"
    "Run it on a registration file before installing it.\n"
    "\n"
    "Options:\n";
const char* const helpAfter =
    "\n"
    "Exit status: 0 when no file reported an error (warnings allowed, unless\n"
    "--strict), 1 when one did (a file that cannot be opened, or a directory,\n"
    "counts as an error), 2 for a usage error. With --format=gnu or json the\n"
    "summary lines go to standard error, so that standard output is empty.\n";
const std::string help = std::string(helpBefore) + ReportPrinter::optionHelp + ReportPrinter::strictHelp + helpAfter;

const CommandTexts texts = {
    "check",
    "check FILE... [--format=text|gnu|json] [--max-reports N] [--strict]",
    "parse registration files and report every problem",
    help.c_str(),
};

} // namespace

CheckCommand::CheckCommand()
    : ToolCommand(texts, {ReportPrinter::formatOption, ReportPrinter::maxReportsOption, ReportPrinter::strictOption})
{
}

int CheckCommand::run(const CommandLine& line)
{
    if (line.operands().empty())
        return usageError("no FILE given");
    ReportPrinter printer;
    std::string error;
    if (!printer.configure(line, error))
        return usageError(error);
    printer.installAlways();
    FileSet files;
    files.parse(line.operands(), printer);
    printer.finish();

    int errors = 0;
    int warnings = 0;
    files.printSummary(printer, errors, warnings);
    return errors || (printer.strict() && warnings) ? TOOL_EXIT_FAILURE : TOOL_EXIT_OK;
}
