#include "kivparser/application/Enrollment.h"
#include "kivparser/application/FieldEnrollment.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/Rule.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void Enrollment::debugDump()
{
    ParseLock lock;
    const char* title;
    switch (enrollOp) {
    case ENR_ADD:
        title = "Add";
        break;
    case ENR_DESCRIBE:
        title = "Describe";
        break;
    case ENR_ADD_DESCRIBE:
        title = "Add,Describe";
        break;
    case ENR_CONNECT:
        title = "Connect";
        break;
    case ENR_CONFIG:
        title = "Config";
        break;
    default:
        return;
    }
    DumpWriter::open("Enroll %s {\n", title);
    for (Rule* rule = rules ? rules->next() : nullptr; rule; rule = rule->next())
        rule->debugDump();
    DumpWriter::close();
}

void Rule::debugDump()
{
    ParseLock lock;
    DumpWriter::line("if ");
    if (expr1) {
        DumpWriter::text("(");
        expr1->debugDump();
        DumpWriter::text(")");
    }
    if (expr2) {
        DumpWriter::text(" , (");
        expr2->debugDump();
        DumpWriter::text(") ");
    }
    DumpWriter::text("{\n");
    Indent++;
    DumpWriter::line("Scale         : %d\n", scale);
    DumpWriter::line("InitialVerify : %d\n", initialVerify);
    DumpWriter::line("HelpType      : %d\n", helpType);
    DumpWriter::line("HelpName      : \"%s\"\n", DumpWriter::str(helpName));
    for (FieldEnrollment* field = fieldEnrollments ? fieldEnrollments->next() : nullptr; field;
         field = field->next())
        field->debugDump();
    DumpWriter::close();
}

void FieldEnrollment::debugDump()
{
    ParseLock lock;
    DumpWriter::open("Field \"%s\" {\n", DumpWriter::str(fieldEnrollName));
    DumpWriter::line("Field            : \"%s\"\n", DumpWriter::str(fieldLabel));
    DumpWriter::line("NoDisplay        : %d\n", noDisplay);
    DumpWriter::line("ImmediateVerify  : %d\n", immediateVerify);
    DumpWriter::line("Geometry         : (%d,%d),%d,%d\n", geometryX, geometryY, geometryWidth, geometryHeight);
    DumpWriter::line("EditPolicy       : %d\n", editPolicy);
    DumpWriter::line("ListDisplayPolicy: %d\n", listDisplayPolicy);
    DumpWriter::line("IntegerDisplayPol: %d\n", integerDisplayPolicy);
    DumpWriter::line("EditPosition     : %d\n", editPosition);
    if (defaultValueType == VLU_INTEGER)
        DumpWriter::line("DefaultValue     : %d\n", defaultValue.defaultValue_integer);
    else if (defaultValueType == VLU_STRING)
        DumpWriter::line("DefaultValue     : \"%s\"\n", DumpWriter::str(defaultValue.defaultValue_string));
    else
        DumpWriter::line("DefaultValue     : <null>\n");
    DumpWriter::close();
}

} // namespace kivparser
