#include "kivparser/application/Command.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void Command::debugDump()
{
    ParseLock lock;
    DumpWriter::line("Flag : %lx\n", processFlag);
    DumpWriter::line("Command Name : \"%s\"\n", DumpWriter::str(commandName));
    DumpWriter::line("HostSpec : \"%s\"\n", DumpWriter::str(hostSpec));
    // The launch host is printed under the same label as the host.
    DumpWriter::line("HostSpec : \"%s\"\n", DumpWriter::str(launchSpec));
}

} // namespace kivparser
