#include "kivparser/application/Enrollment.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/Rule.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"

#include <new>

namespace kivparser {

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

} // namespace kivparser
