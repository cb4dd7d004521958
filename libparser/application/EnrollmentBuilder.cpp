#include "application/EnrollmentBuilder.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Enrollment.h"
#include "kivparser/application/FieldEnrollment.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/Rule.h"
#include "language/BuilderContext.h"

namespace kivparser {

// Enrollments are never merged: every ENROLL statement appends a new
// enrollment, whatever the application's lock state. Rules and field
// enrollments have no lock either; a later statement replaces an earlier one.
// The ends of rules and enrollment blocks have no action: curRule and
// curEnrollment keep naming the last ones until the next replaces them.

namespace {

template <class Apply>
int onRule(Apply apply)
{
    return BuilderContext::with(&KivParser::curRule, EnrollmentBuilder::CHECK_RULE, apply);
}

template <class Apply>
int onField(Apply apply)
{
    return BuilderContext::with(&KivParser::curFieldEnrollment, EnrollmentBuilder::CHECK_FIELD_ENROLLMENT, apply);
}

template <class Apply>
int onFieldText(char* text, Apply apply)
{
    return BuilderContext::withValue(&KivParser::curFieldEnrollment, EnrollmentBuilder::CHECK_FIELD_ENROLLMENT, text, apply);
}

// Makes newRule(first, second) of the current enrollment the current rule;
// the expressions are taken over in every case.
int beginRuleWith(ParserExpression* first, ParserExpression* second)
{
    Enrollment* enrollment = BuilderContext::current(&KivParser::curEnrollment, EnrollmentBuilder::CHECK_ENROLLMENT);
    if (!enrollment) {
        delete first;
        delete second;
        return 1;
    }
    Rule* rule = enrollment->newRule(first, second);
    if (!rule)
        return 1;
    KivParser::current->curRule = rule;
    return 0;
}

} // namespace

int EnrollmentBuilder::beginEnrollment(int operation)
{
    Application* application = BuilderContext::current(&KivParser::curApplication, CHECK_APPLICATION);
    if (!application)
        return 1;
    Enrollment* enrollment = application->newEnrollment(static_cast<EnrollOpType>(operation));
    if (!enrollment)
        return 1;
    KivParser::current->curEnrollment = enrollment;
    return 0;
}

int EnrollmentBuilder::beginConfiguration()
{
    // The configuration block holds its fields directly: one unconditional rule.
    if (beginEnrollment(ENR_CONFIG) != 0)
        return 1;
    return beginRuleWith(nullptr, nullptr);
}

int EnrollmentBuilder::beginRule(ParserExpression* condition)
{
    return beginRuleWith(condition, nullptr);
}

int EnrollmentBuilder::beginConnectRule(ParserExpression* first, ParserExpression* second)
{
    return beginRuleWith(first, second);
}

int EnrollmentBuilder::scale(int scale)
{
    return onRule([scale](Rule* rule) { rule->setScale(scale); });
}

int EnrollmentBuilder::initialVerify(int onOff)
{
    return onRule([onOff](Rule* rule) { rule->setInitialVerify(static_cast<OnOffType>(onOff)); });
}

int EnrollmentBuilder::help(int helpType, char* name)
{
    return BuilderContext::withValue(&KivParser::curRule, CHECK_RULE, name, [helpType](Rule* rule, char* text) {
        rule->setHelpType(static_cast<HelpType>(helpType));
        rule->setHelpName(text);
    });
}

int EnrollmentBuilder::beginFieldEnrollment(char* name)
{
    FieldEnrollment* field = nullptr;
    if (BuilderContext::withValue(&KivParser::curRule, CHECK_RULE, name,
                                 [&field](Rule* rule, char* text) { field = rule->newFieldEnrollment(text); }) ||
        !field)
        return 1;
    KivParser::current->curFieldEnrollment = field;
    return 0;
}

int EnrollmentBuilder::endFieldEnrollment()
{
    if (KivParser::current)
        KivParser::current->curFieldEnrollment = nullptr;
    return 0;
}

int EnrollmentBuilder::noDisplay(int onOff)
{
    return onField([onOff](FieldEnrollment* field) { field->setNoDisplay(static_cast<OnOffType>(onOff)); });
}

int EnrollmentBuilder::immediateVerify(int onOff)
{
    return onField([onOff](FieldEnrollment* field) { field->setImmediateVerify(static_cast<OnOffType>(onOff)); });
}

int EnrollmentBuilder::fieldLabel(char* label)
{
    return onFieldText(label, [](FieldEnrollment* field, char* text) { field->setFieldLabel(text); });
}

int EnrollmentBuilder::geometry(int x, int y)
{
    return onField([x, y](FieldEnrollment* field) { field->setGeometry(x, y); });
}

int EnrollmentBuilder::geometryWithSize(int x, int y, int width, int height)
{
    return onField([=](FieldEnrollment* field) { field->setGeometry(x, y, width, height); });
}

int EnrollmentBuilder::editPolicy(int policy)
{
    return onField([policy](FieldEnrollment* field) { field->setEditPolicy(static_cast<EditPolicyType>(policy)); });
}

int EnrollmentBuilder::listDisplayPolicy(int policy)
{
    return onField([policy](FieldEnrollment* field) {
        field->setListDisplayPolicy(static_cast<ListDisplayPolicyType>(policy));
    });
}

int EnrollmentBuilder::listSelectionPolicy(int policy)
{
    return onField([policy](FieldEnrollment* field) {
        field->setListSelectionPolicy(static_cast<ListSelectionPolicyType>(policy));
    });
}

int EnrollmentBuilder::integerDisplayPolicy(int policy)
{
    return onField([policy](FieldEnrollment* field) {
        field->setIntegerDisplayPolicy(static_cast<IntegerDisplayPolicyType>(policy));
    });
}

int EnrollmentBuilder::editPosition(int position)
{
    return onField([position](FieldEnrollment* field) { field->setEditPosition(position); });
}

int EnrollmentBuilder::defaultText(char* value)
{
    return onFieldText(value, [](FieldEnrollment* field, char* text) { field->setDefaultValue(text); });
}

int EnrollmentBuilder::defaultInteger(int value)
{
    return onField([value](FieldEnrollment* field) { field->setDefaultValue(value); });
}

} // namespace kivparser
