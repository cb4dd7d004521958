#ifndef KIVPARSER_APPLICATION_PARSEREXPRESSION_H
#define KIVPARSER_APPLICATION_PARSEREXPRESSION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

// Node kinds of an expression tree.
enum ExprOpType : int {
    EOP_NA = -1,
    EOP_TERM = 0,
    EOP_AND = 1,
    EOP_OR = 2,
    EOP_ASSIGN = 3,
    EOP_EQUAL = 4,
    EOP_NOT = 5,
    EOP_NOT_EQUAL = 6,
    EOP_MAX = 7
};

// Operator text of a node kind: "&&", "||", "=", "==", "!", "!=" for the
// operators, "<err>" for every other value.
KIVPARSER_API const char* getOpString(ExprOpType op);

// One node of a selection rule, drop-action rule or enrollment rule. A term
// node holds a text (field name, string or integer in decimal); an operator
// node owns its operands. Nodes are never linked into lists: the owner
// destroys the whole tree.
class KIVPARSER_API ParserExpression final : public SList {
public:
    ParserExpression();
    explicit ParserExpression(char* text);
    explicit ParserExpression(int value);
    ParserExpression(ExprOpType op, ParserExpression* e1, ParserExpression* e2);
    ~ParserExpression();

    // Prints the tree in parenthesised form, without indentation or newline.
    void debugDump();

    ExprOpType op;
    ParserExpression* expr1;
    ParserExpression* expr2;
    char* term;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ExprOpType;
using kivparser::EOP_NA;
using kivparser::EOP_TERM;
using kivparser::EOP_AND;
using kivparser::EOP_OR;
using kivparser::EOP_ASSIGN;
using kivparser::EOP_EQUAL;
using kivparser::EOP_NOT;
using kivparser::EOP_NOT_EQUAL;
using kivparser::EOP_MAX;
using kivparser::getOpString;
using kivparser::ParserExpression;
#endif

#endif
