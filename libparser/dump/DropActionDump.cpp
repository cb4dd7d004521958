#include "kivparser/application/DropAction.h"
#include "kivparser/application/ParserExpression.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void DropAction::debugDump()
{
    ParseLock lock;
    if (!dropActionID)
        return;
    DumpWriter::open("DropAction \"%s\" {\n", dropActionID);
    DumpWriter::line("DropOperation : %d\n", static_cast<int>(dropOp));
    DumpWriter::line("SelectionRule : ");
    if (selectionRule)
        selectionRule->debugDump();
    // The line ends after the indentation blanks once more.
    DumpWriter::indent();
    DumpWriter::text("\n");
    DumpWriter::line("HelpString    : \"%s\"\n", DumpWriter::str(helpString));
    DumpWriter::close();
}

} // namespace kivparser
