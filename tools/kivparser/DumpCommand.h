#ifndef KIVPARSER_TOOL_DUMPCOMMAND_H
#define KIVPARSER_TOOL_DUMPCOMMAND_H

#include "ToolCommand.h"

namespace kivparser {
class ApplicationRegistration;
}

// kivparser dump KIND: loads the registrations of one kind (or all of them)
// and prints them exactly as the library's dump operations print them.
class DumpCommand final : public ToolCommand {
public:
    DumpCommand();

protected:
    int run(const CommandLine& line) override;

private:
    // Each returns the exit status of its part.
    int dumpApplications(bool menus, bool tabs, bool headers);
    kivparser::ApplicationRegistration* loadApplications();
    static void header(const char* kind);

    const char* path_ = nullptr;
    bool fold_ = false;
    int verbose_ = 0;
};

#endif
