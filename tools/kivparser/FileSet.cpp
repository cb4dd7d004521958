#include "FileSet.h"

#include <cstdio>
#include <new>

using namespace kivparser;

namespace {

const char* const stdinName = "<stdin>";

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

FileSet::~FileSet()
{
    delete arf;
    delete srf;
    delete frf;
    delete svrf;
}

void FileSet::parse(const std::vector<char*>& files, ReportPrinter& printer)
{
    bool text = printer.format() == FORMAT_TEXT;
    for (char* file : files) {
        bool standardInput = std::string(file) == "-";
        const char* name = standardInput ? stdinName : file;
        if (text)
            std::printf(parserMsg(MSG_PARSING), name);
        printer.setUnnamedFile(standardInput ? stdinName : nullptr);
        // Standard input is read whole and parsed as text named <stdin>.
        std::string input;
        if (standardInput)
            input = readStandardInput();
        KivParser* parser = standardInput ? new (std::nothrow) KivParser(SourceText{stdinName, input.data(), input.size()},
                                                                         arf, srf, frf, svrf, 1)
                                          : new (std::nothrow) KivParser(file, arf, srf, frf, svrf, 1);
        if (!parser) {
            fileCounts.push_back({name, 1, 0});
            continue;
        }
        printer.endFile();
        arf = parser->getAppReg();
        srf = parser->getSymReg();
        frf = parser->getFldReg();
        svrf = parser->getSnmppvReg();
        fileCounts.push_back({name, parser->errors, parser->warnings});
        delete parser;
    }
    printer.setUnnamedFile(nullptr);
}

void FileSet::printSummary(const ReportPrinter& printer, int& errors, int& warnings) const
{
    errors = 0;
    warnings = 0;
    std::fflush(stdout);
    std::fflush(stderr);
    for (const Counts& count : fileCounts) {
        printer.printCounts(count.file.c_str(), count.errors, count.warnings);
        errors += count.errors;
        warnings += count.warnings;
    }
    printer.printCounts(nullptr, errors, warnings);
}
