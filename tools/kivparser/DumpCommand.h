#ifndef KIVPARSER_TOOL_DUMPCOMMAND_H
#define KIVPARSER_TOOL_DUMPCOMMAND_H

#include "ReportPrinter.h"
#include "ToolCommand.h"

class RegistrationKind;

// kivparser dump KIND: loads the registrations of one kind (or all of them)
// and prints them exactly as the library's dump operations print them, as
// text or as JSON documents.
class DumpCommand final : public ToolCommand {
public:
    DumpCommand();

protected:
    int run(const CommandLine& line) override;

private:
    // Each returns the exit status of its part.
    int dumpApplications(bool menus, bool tabs);
    template <class Registration, Registration* (*load)(int, const char*), const RegistrationKind& kind>
    int dumpOne();
    // The library's text dump of a registration, or its JSON document.
    template <class Registration>
    void print(Registration* registration);
    kivparser::ApplicationRegistration* loadApplications();
    int notFound(const RegistrationKind& kind);
    // The line before each part of "all" (text), or the member name (JSON).
    void header(const char* kind);

    ReportPrinter printer;
    const char* path = nullptr;
    bool fold = false;
    int verbose = 0;
    bool json = false;
    bool allKinds = false;
    int partCount = 0;
};

#endif
