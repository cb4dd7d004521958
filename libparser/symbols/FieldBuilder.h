// Private: included by the grammar and FieldBuilder.cpp.
#ifndef KIVPARSER_SYMBOLS_FIELDBUILDER_H
#define KIVPARSER_SYMBOLS_FIELDBUILDER_H

namespace kivparser {

// Grammar actions of field registrations. Conventions as in
// application/ApplicationBuilder.h: 0 goes on, non-zero ends the parse with
// result 1; texts are taken over.
class FieldBuilder {
public:
    // The checks of the field actions: the number reported as "internal
    // error at grammar.Y(%d)" when an action finds the parser without the
    // object it works on.
    enum Check {
        CHECK_REGISTRATION = 500, // no field registration
        CHECK_FIELD = 501,        // a field statement or its end, no field open
        CHECK_VALUE_LIST = 502    // an enumeration without its list
    };

    // Registration : ^ Fields -- creates curFldReg when the parser has none.
    static int startRegistration();
    // Field : FIELD FieldRegisterName ^ FieldBlock
    static int beginField(char* name);
    // Field : FIELD FieldRegisterName FieldBlock -- at its end.
    static int endField();
    // FieldType : TYPE FieldTypeName SEMICOLON (a FieldType value)
    static int fieldType(int type);
    // FieldFlags : FLAGS FieldFlagStmts SEMICOLON (1 list, 2 name, 4 locate,
    // 8 global, 16 capability, or-ed)
    static int fieldFlags(int flags);
    // FieldEnumeration : ENUMERATION EnumDefs SEMICOLON -- hands the value list in curString to the field.
    static int enumeration();
    // FieldDefStmt : DisplayStringStmt
    static int displayString(char* text);
};

} // namespace kivparser

#endif
