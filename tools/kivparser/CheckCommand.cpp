#include "CheckCommand.h"

#include <kivparser/kivparser.h>

#include <cstdio>
#include <new>
#include <sys/stat.h>

namespace {

const CommandTexts texts = {
    "check",
    "check FILE...",
    "parse registration files and report every problem",
    "Parses the files in the order given, as a loader parses the files of a\n"
    "directory: into one set of registrations, so that a name defined again in a\n"
    "later file is reported as a duplicate. Every error and warning is printed\n"
    "with its file and line. The output ends with one line per file and a total.\n"
    "Run it on a registration file before installing it.\n"
    "\n"
    "Exit status: 0 when no file reported an error (warnings allowed), 1 when one\n"
    "did (a file that cannot be opened, or a directory, counts as an error), 2 for\n"
    "a usage error.\n"};

}  // namespace

CheckCommand::CheckCommand() : ToolCommand(texts, {})
{
}

namespace {

struct FileCounts {
    const char* file;
    int errors;
    int warnings;
};

}  // namespace

int CheckCommand::run(const CommandLine& line)
{
    if (line.operands().empty())
        return usageError("no FILE given");

    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* svrf = nullptr;
    std::vector<FileCounts> counts;
    for (char* file : line.operands()) {
        std::printf(parserMsg(MSG_PARSING), file);
        // The scanner cannot read a directory; a loader never hands it one.
        struct stat status;
        if (stat(file, &status) == 0 && S_ISDIR(status.st_mode)) {
            std::fflush(stdout);
            std::fprintf(stderr, "kivparser check: %s is a directory, not a registration file\n", file);
            counts.push_back({file, 1, 0});
            continue;
        }
        KivParser* parser = new (std::nothrow) KivParser(file, arf, srf, frf, svrf, 1);
        if (!parser) {
            counts.push_back({file, 1, 0});
            continue;
        }
        arf = parser->getAppReg();
        srf = parser->getSymReg();
        frf = parser->getFldReg();
        svrf = parser->getSnmppvReg();
        counts.push_back({file, parser->errors, parser->warnings});
        delete parser;
    }
    delete arf;
    delete srf;
    delete frf;
    delete svrf;

    int errors = 0;
    int warnings = 0;
    for (const FileCounts& count : counts) {
        std::printf("%s: errors: %d, warnings: %d\n", count.file, count.errors, count.warnings);
        errors += count.errors;
        warnings += count.warnings;
    }
    std::printf("total: errors: %d, warnings: %d\n", errors, warnings);
    std::fflush(stdout);
    return errors ? kExitFailure : kExitOk;
}
