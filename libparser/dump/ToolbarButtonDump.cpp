#include "application/Action.h"
#include "application/Function.h"
#include "application/Menu.h"
#include "application/ToolbarButton.h"
#include "dump/DumpWriter.h"

void ToolbarButton::debugDump(int showLinks)
{
    DumpWriter::open("ToolbarButton <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "",
                     DumpWriter::str(label));
    DumpWriter::line("ContextExpression : \"%s\"\n", DumpWriter::str(contextExpr));
    Function::debugDumpLine("Function : ", function);
    if (showLinks) {
        if (menuLink)
            static_cast<Menu*>(menuLink)->debugDump(showLinks);
        if (actionLink)
            actionLink->debugDump();
    }
    DumpWriter::close();
}
