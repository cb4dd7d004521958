#include "kivparser/application/Function.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void Function::debugDump()
{
    ParseLock lock;
    if (shellCommand)
        DumpWriter::text("! %s\n", shellCommand);
    else
        DumpWriter::text("f.%s \"%s\"\n", DumpWriter::str(functionType), DumpWriter::str(functionArg));
}

void Function::debugDumpLine(const char* lead, Function* function)
{
    ParseLock lock;
    if (!function)
        return;
    DumpWriter::line("%s", lead);
    function->debugDump();
}

} // namespace kivparser
