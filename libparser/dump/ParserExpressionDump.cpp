#include "kivparser/application/ParserExpression.h"
#include "dump/DumpWriter.h"
#include "lists/WorkStack.h"

namespace kivparser {

void ParserExpression::debugDump()
{
    ParseLock lock;
    // A long chain (a || b || c ...) makes a deep tree: the nodes under way
    // wait on a stack of their own, each with how far it is printed (0
    // nothing yet, 1 up to its first operand, 2 up to its second).
    struct Step {
        ParserExpression* node; // null: a missing operand
        int part;
    };
    WorkStack<Step> steps;
    if (!steps.push({this, 0}))
        return;
    while (!steps.empty()) {
        Step& step = steps.top();
        ParserExpression* node = step.node;
        if (!node) {
            DumpWriter::text("<err>");
        } else if (node->op == EOP_NA) {
            DumpWriter::text("<n/a>");
        } else if (node->op == EOP_TERM) {
            if (node->term)
                DumpWriter::text("\"%s\"", node->term);
            else
                DumpWriter::text("<null>");
        } else if (step.part == 0) {
            if (node->op == EOP_NOT)
                DumpWriter::text("%s(", getOpString(node->op));
            else
                DumpWriter::text("(");
            step.part = 1;
            if (!steps.push({node->expr1, 0}))
                return;
            continue;
        } else if (step.part == 1 && node->op != EOP_NOT) {
            DumpWriter::text("%s", getOpString(node->op));
            step.part = 2;
            if (!steps.push({node->expr2, 0}))
                return;
            continue;
        } else {
            DumpWriter::text(")");
        }
        steps.pop();
    }
}

} // namespace kivparser
