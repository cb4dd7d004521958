// Private: included by the grammar and EnrollmentBuilder.cpp.
#ifndef KIVPARSER_APPLICATION_ENROLLMENTBUILDER_H
#define KIVPARSER_APPLICATION_ENROLLMENTBUILDER_H

namespace kivparser {

class ParserExpression;

// Grammar actions of enrollments, rules and field enrollments. Conventions as
// in ApplicationBuilder.h: 0 goes on, non-zero ends the parse with result 1;
// texts and expressions are taken over.
class EnrollmentBuilder {
public:
    // The checks of the actions of enrollments and their rules: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_APPLICATION = 701,
        CHECK_ENROLLMENT = 702,
        CHECK_RULE = 703,
        CHECK_FIELD_ENROLLMENT = 704
    };

    // AddDescribe : ADD ^ ..., DESCRIBE ^ ..., ADD COMMA DESCRIBE ^ ..., DESCRIBE COMMA ADD ^ ...
    // and Connect : CONNECT ^ ConnectBlock (an EnrollOpType value).
    static int beginEnrollment(int operation);
    // Config : CONFIGURATION ^ ConfigBlock
    static int beginConfiguration();
    // Rule : IF Expression ^ FieldEnrollsBlock
    static int beginRule(ParserExpression* condition);
    // ConnectRule : IF Expression COMMA Expression ^ FieldEnrollsBlock
    static int beginConnectRule(ParserExpression* first, ParserExpression* second);

    // RuleGlobal : Scale
    static int scale(int scale);
    // RuleOptions : INITIALVERIFY OnOff SEMICOLON (an OnOffType value)
    static int initialVerify(int onOff);
    // EnrollHelp : XHELPFILE Pathname SEMICOLON, XHELPINDEX Pathname SEMICOLON,
    // HELP HelpType STRING SEMICOLON (a HelpType value).
    static int help(int helpType, char* name);

    // FieldEnrollment : FIELD FieldEnrollName ^ FieldEnrollmentBlock
    static int beginFieldEnrollment(char* name);
    // FieldEnrollment : FIELD FieldEnrollName FieldEnrollmentBlock -- at its end.
    static int endFieldEnrollment();
    // FieldOptions : NODISPLAY OnOff SEMICOLON
    static int noDisplay(int onOff);
    // FieldOptions : IMMEDIATEVERIFY OnOff SEMICOLON
    static int immediateVerify(int onOff);
    // FieldLabel : LABEL STRING SEMICOLON
    static int fieldLabel(char* label);
    // FieldGeometry : GEOMETRY INTVAL COMMA INTVAL SEMICOLON
    static int geometry(int x, int y);
    // FieldGeometry : GEOMETRY INTVAL COMMA INTVAL COMMA INTVAL COMMA INTVAL SEMICOLON
    static int geometryWithSize(int x, int y, int width, int height);
    // FieldEditPolicy : EDITPOLICY EditPolicy SEMICOLON (an EditPolicyType value)
    static int editPolicy(int policy);
    // FieldListDisplayPolicy : LISTDISPLAYPOLICY ListDisplayPolicy SEMICOLON
    static int listDisplayPolicy(int policy);
    // FieldListSelectionPolicy : LISTSELECTIONPOLICY ListSelectionPolicy SEMICOLON
    static int listSelectionPolicy(int policy);
    // FieldIntegerDisplayPolicy : INTEGERDISPLAYPOLICY IntegerDisplayPolicy SEMICOLON
    static int integerDisplayPolicy(int policy);
    // FieldEditPosition : EDITPOSITION INTVAL SEMICOLON
    static int editPosition(int position);
    // FieldDefaultValue : DEFAULTVALUE StringOrIdentifier SEMICOLON
    static int defaultText(char* value);
    // FieldDefaultValue : DEFAULTVALUE INTVAL SEMICOLON
    static int defaultInteger(int value);
};

} // namespace kivparser

#endif
