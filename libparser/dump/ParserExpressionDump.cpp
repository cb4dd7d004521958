#include "kivparser/application/ParserExpression.h"
#include "dump/DumpWriter.h"

namespace kivparser {

namespace {

void dumpOperand(ParserExpression* operand)
{
    if (operand)
        operand->debugDump();
    else
        DumpWriter::text("<err>");
}

} // namespace

void ParserExpression::debugDump()
{
    ParseLock lock;
    switch (op) {
    case EOP_NA:
        DumpWriter::text("<n/a>");
        break;
    case EOP_TERM:
        if (term)
            DumpWriter::text("\"%s\"", term);
        else
            DumpWriter::text("<null>");
        break;
    case EOP_NOT:
        DumpWriter::text("%s(", getOpString(op));
        dumpOperand(expr1);
        DumpWriter::text(")");
        break;
    default:
        DumpWriter::text("(");
        dumpOperand(expr1);
        DumpWriter::text("%s", getOpString(op));
        dumpOperand(expr2);
        DumpWriter::text(")");
        break;
    }
}

} // namespace kivparser
