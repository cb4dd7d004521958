#include "dump/DumpWriter.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"

#include <cstdarg>
#include <cstdio>

namespace kivparser {

int Indent = 0;

void DumpWriter::indent()
{
    for (int i = 0; i < Indent; i++)
        printf_new("    ");
}

void DumpWriter::line(const char* fmt, ...)
{
    indent();
    va_list ap;
    va_start(ap, fmt);
    vprintf_new(fmt, ap);
    va_end(ap);
}

void DumpWriter::text(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vprintf_new(fmt, ap);
    va_end(ap);
}

void DumpWriter::open(const char* fmt, ...)
{
    indent();
    va_list ap;
    va_start(ap, fmt);
    vprintf_new(fmt, ap);
    va_end(ap);
    Indent++;
}

void DumpWriter::close()
{
    Indent--;
    line("}\n");
}

void DumpWriter::values(String* head)
{
    for (String* value = head ? head->next() : nullptr; value; value = value->next()) {
        if (value->isInteger())
            line("%d,\n", value->integer);
        else
            line("\"%s\",\n", str(value->str));
    }
}

} // namespace kivparser
