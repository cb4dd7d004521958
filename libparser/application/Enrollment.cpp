#include "application/Enrollment.h"
#include "application/ParserExpression.h"
#include "application/Rule.h"
#include "language/ParserErr.h"
#include "lists/SListOps.h"

#include <new>

Enrollment::Enrollment() : SList()
{
    _init();
}

Enrollment::Enrollment(EnrollOpType op) : SList()
{
    _init();
    enrollOp = op;
}

void Enrollment::_init()
{
    enrollOp = ENR_NA;
    rules = nullptr;
}

Enrollment::~Enrollment()
{
    SListOps::disposeList(rules);
}

Rule* Enrollment::newRule(ParserExpression* e1, ParserExpression* e2)
{
    Rule* rule = SListOps::refHead(rules) ? new (std::nothrow) Rule(e1, e2) : nullptr;
    if (!rule) {
        if (rules)
            nomemory();
        delete e1;
        delete e2;
        return nullptr;
    }
    rules->append(rule);
    return rule;
}
