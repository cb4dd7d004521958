#include "dump/DumpWriter.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/_MenuItem.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"

#include <cstdarg>
#include <cstdio>

namespace kivparser {

int Indent = 0;

void DumpWriter::indent()
{
    // Deep nesting prints its blanks a run at a time.
    static const char blanks[] = "                                                                "
                                 "                                                                ";
    const int run = (int)(sizeof blanks - 1) / 4;
    for (int left = Indent; left > 0; left -= run)
        printf_new("%.*s", (left < run ? left : run) * 4, blanks);
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

void DumpWriter::entryBody(_MenuItem* entry)
{
    line("ContextExpression : \"%s\"\n", str(entry->contextExpr));
    Function::debugDumpLine("Function : ", entry->function);
}

} // namespace kivparser
