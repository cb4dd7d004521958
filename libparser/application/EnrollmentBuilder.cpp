#include "application/EnrollmentBuilder.h"

#include <cstdlib>

// Stub bodies: they release what they are given until the enrollment model
// fills them in (the expressions received are still null until then; the
// model disposes of them).

int EnrollmentBuilder::beginEnrollment(int)
{
    return 0;
}

int EnrollmentBuilder::beginConfiguration()
{
    return 0;
}

int EnrollmentBuilder::beginRule(ParserExpression*)
{
    return 0;
}

int EnrollmentBuilder::beginConnectRule(ParserExpression*, ParserExpression*)
{
    return 0;
}

int EnrollmentBuilder::scale(int)
{
    return 0;
}

int EnrollmentBuilder::initialVerify(int)
{
    return 0;
}

int EnrollmentBuilder::help(int, char* name)
{
    free(name);
    return 0;
}

int EnrollmentBuilder::beginFieldEnrollment(char* name)
{
    free(name);
    return 0;
}

int EnrollmentBuilder::endFieldEnrollment()
{
    return 0;
}

int EnrollmentBuilder::noDisplay(int)
{
    return 0;
}

int EnrollmentBuilder::immediateVerify(int)
{
    return 0;
}

int EnrollmentBuilder::fieldLabel(char* label)
{
    free(label);
    return 0;
}

int EnrollmentBuilder::geometry(int, int)
{
    return 0;
}

int EnrollmentBuilder::geometryWithSize(int, int, int, int)
{
    return 0;
}

int EnrollmentBuilder::editPolicy(int)
{
    return 0;
}

int EnrollmentBuilder::listDisplayPolicy(int)
{
    return 0;
}

int EnrollmentBuilder::listSelectionPolicy(int)
{
    return 0;
}

int EnrollmentBuilder::integerDisplayPolicy(int)
{
    return 0;
}

int EnrollmentBuilder::editPosition(int)
{
    return 0;
}

int EnrollmentBuilder::defaultText(char* value)
{
    free(value);
    return 0;
}

int EnrollmentBuilder::defaultInteger(int)
{
    return 0;
}
