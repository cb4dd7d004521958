#include "kivparser/application/Rule.h"
#include "kivparser/application/FieldEnrollment.h"
#include "kivparser/application/ParserExpression.h"
#include "lists/SListOps.h"

#include <cstdlib>

namespace kivparser {

Rule::Rule() : SList()
{
    _init();
}

Rule::Rule(ParserExpression* e1, ParserExpression* e2) : SList()
{
    _init();
    expr1 = e1;
    expr2 = e2;
}

void Rule::_init()
{
    expr1 = nullptr;
    expr2 = nullptr;
    scale = -1;
    initialVerify = OOF_NA;
    helpName = nullptr;
    helpType = HLP_NA;
    fieldEnrollments = nullptr;
}

Rule::~Rule()
{
    delete expr1;
    delete expr2;
    free(helpName);
    SListOps::disposeList(fieldEnrollments);
}

void Rule::setHelpName(char* name)
{
    SListOps::setText(0, helpName, name);
}

FieldEnrollment* Rule::newFieldEnrollment(char* name)
{
    return SListOps::newElement(fieldEnrollments, name);
}

} // namespace kivparser
