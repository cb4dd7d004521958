#include "CheckCommand.h"

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
    "Exit status: 0 when no file reported an error (warnings allowed), 1 when one\n"
    "did (a file that cannot be opened, or a directory, counts as an error), 2 for\n"
    "a usage error.\n";
const std::string help = std::string(helpBefore) + ReportPrinter::optionHelp + helpAfter;

const CommandTexts texts = {
    "check",
    "check FILE... [--format=text|gnu|json] [--max-reports N]",
    "parse registration files and report every problem",
    help.c_str(),
};

const char* const stdinName = "<stdin>";

} // namespace

CheckCommand::CheckCommand() : ToolCommand(texts, {ReportPrinter::formatOption, ReportPrinter::maxReportsOption}) {}

namespace {

struct FileCounts {
    const char* file;
    int errors;
    int warnings;
};

std::string readStandardInput()
{
    std::string text;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        text.append(buffer, got);
    return text;
}

} // namespace

int CheckCommand::run(const CommandLine& line)
{
    if (line.operands().empty())
        return usageError("no FILE given");
    ReportPrinter printer;
    std::string error;
    if (!printer.configure(line, error))
        return usageError(error);
    printer.install();
    bool text = printer.format() == FORMAT_TEXT;

    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* svrf = nullptr;
    std::vector<FileCounts> counts;
    for (char* file : line.operands()) {
        bool standardInput = std::string(file) == "-";
        const char* name = standardInput ? stdinName : file;
        if (text)
            std::printf(parserMsg(MSG_PARSING), name);
        // Standard input is read whole and parsed as text named <stdin>.
        std::string input;
        if (standardInput)
            input = readStandardInput();
        KivParser* parser = standardInput
                                ? new (std::nothrow) KivParser(SourceText{stdinName, input.data(), input.size()},
                                                               arf, srf, frf, svrf, 1)
                                : new (std::nothrow) KivParser(file, arf, srf, frf, svrf, 1);
        if (!parser) {
            counts.push_back({name, 1, 0});
            continue;
        }
        printer.endFile();
        arf = parser->getAppReg();
        srf = parser->getSymReg();
        frf = parser->getFldReg();
        svrf = parser->getSnmppvReg();
        counts.push_back({name, parser->errors, parser->warnings});
        delete parser;
    }
    delete arf;
    delete srf;
    delete frf;
    delete svrf;

    printer.finish();
    int errors = 0;
    int warnings = 0;
    std::fflush(stderr);
    for (const FileCounts& count : counts) {
        std::printf("%s: errors: %d, warnings: %d\n", count.file, count.errors, count.warnings);
        errors += count.errors;
        warnings += count.warnings;
    }
    std::printf("total: errors: %d, warnings: %d\n", errors, warnings);
    std::fflush(stdout);
    return errors ? TOOL_EXIT_FAILURE : TOOL_EXIT_OK;
}
