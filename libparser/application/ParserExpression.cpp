#include "kivparser/application/ParserExpression.h"
#include "platform/KzPlatform.h"

#include <cstdlib>

namespace kivparser {

namespace {

// Indexed by the node kind; TERM is never handed out.
const char* const opStrings[] = {"TERM", "&&", "||", "=", "==", "!", "!="};

} // namespace

const char* getOpString(ExprOpType op)
{
    if (op >= EOP_AND && op <= EOP_NOT_EQUAL)
        return opStrings[op];
    return "<err>";
}

ParserExpression::ParserExpression() : SList(), op(EOP_NA), expr1(nullptr), expr2(nullptr), term(nullptr)
{
}

ParserExpression::ParserExpression(char* text)
    : SList(), op(EOP_TERM), expr1(nullptr), expr2(nullptr), term(text)
{
}

ParserExpression::ParserExpression(int value)
    : SList(), op(EOP_TERM), expr1(nullptr), expr2(nullptr), term(nullptr)
{
    char buffer[32];
    sprintf_new(buffer, "%d", value);
    term = _strdup(buffer);
}

ParserExpression::ParserExpression(ExprOpType theOp, ParserExpression* e1, ParserExpression* e2)
    : SList(), op(theOp), expr1(e1), expr2(e2), term(nullptr)
{
}

ParserExpression::~ParserExpression()
{
    // A long chain (a && b && c ...) makes a deep tree: its nodes are
    // released one by one, each after its operands were taken from it, so
    // that no destructor call nests inside another. Nodes are never in a
    // list, so their list link chains the nodes still to release.
    ParserExpression* pending = nullptr;
    auto takeOperands = [&pending](ParserExpression* node) {
        ParserExpression* operands[] = {node->expr1, node->expr2};
        node->expr1 = nullptr;
        node->expr2 = nullptr;
        for (ParserExpression* operand : operands) {
            if (operand) {
                operand->_next = pending;
                pending = operand;
            }
        }
    };
    takeOperands(this);
    while (pending) {
        ParserExpression* node = pending;
        pending = static_cast<ParserExpression*>(node->_next);
        node->_next = nullptr;
        takeOperands(node);
        delete node;
    }
    free(term);
}

} // namespace kivparser
