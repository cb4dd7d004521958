/*
 * The registration language.
 *
 * Every rule reads like the language; its action is one line that hands the
 * rule's values to a builder of the model (application/, symbols/) or to
 * GrammarActions for what the grammar owns itself (value lists, labels'
 * scanner mode, the registration kind).
 *
 * Conventions of the actions:
 *  - RUN(call): a builder returns 0 to go on; anything else ends the parse
 *    with result 1.
 *  - TAKE($n): every text, tree or point handed to a builder goes through
 *    TAKE, which clears its slot on the stack: the builder owns the value
 *    from then on, also when it fails, and neither error recovery nor an
 *    abandoned parse (both release what is still on the stack) releases it
 *    a second time.
 *  - Keyword choices give the number of the model's enumerator (named in
 *    the comment beside it); the builder stores it as that enumeration.
 */

%code requires {
namespace kivparser {
class ParserExpression;
class Point;
}
}

/* The engine: KivParser::parse runs it over the scanner's tokens. */
%code provides {
int KIVyyparse(void);
}

%{
#include "language/GrammarActions.h"
#include "language/ExpectedTokens.h"
#include "kivparser/language/KivParser.h"
#include "language/Lex.h"
#include "language/ParseDamage.h"
#include "kivparser/language/ParserErr.h"
#include "application/ActionBuilder.h"
#include "application/ApplicationBuilder.h"
#include "application/DropActionBuilder.h"
#include "application/EnrollmentBuilder.h"
#include "application/MenuBuilder.h"
#include "application/TabBuilder.h"
#include "symbols/CgiBuilder.h"
#include "symbols/FieldBuilder.h"
#include "symbols/SymbolBuilder.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>

using namespace kivparser;

/* The engine keeps at most 500 states; one more is "yacc stack overflow". */
#define YYMAXDEPTH 500
#define YYINITSTACKSIZE 500

/* A parse that was given up (memory ran out, say, in a builder that went
   on) ends at the next action as well. */
#define RUN(call)                                                            \
    do {                                                                     \
        if ((call) != 0 || ParseDamage::givenUp())                           \
            YYABORT;                                                         \
    } while (0)
#define TAKE(value) GrammarActions::take(value)

/* When the scanner gives up a file, or the parse is given up, the reason
   was reported and the input ends there; the cut end draws no syntax error
   of its own. The engine's stacks not getting their memory is memory
   running out like any other. A syntax error is reported with what the
   state it was found in would have accepted. */
#define YYERROR_CALL(msg)                                                     \
    do {                                                                     \
        if (lexAbandoned() || ParseDamage::givenUp())                        \
            break;                                                           \
        if (strcmp(msg, "memory exhausted") == 0)                            \
            nomemory();                                                      \
        else                                                                 \
            ExpectedTokens::reportSyntaxError(msg, yystate);                 \
    } while (0)
%}

%union {
    int intval;
    char* ident;
    char* function;
    char* mnemonic;
    char* accelerator;
    char* strval;
    kivparser::ParserExpression* expr;
    int helptype;   /* HelpType */
    int intdisp;    /* IntegerDisplayPolicyType */
    int dss;        /* DefaultStatusSourceType */
    kivparser::Point* point;
    int lyt;        /* LayoutType */
}

/* The token numbers are part of the language's interface: 257 to 419 in
   this order. */
%token OP_AND OP_OR OP_ASSIGN OP_EQUAL OP_NOT OP_NOT_EQUAL LEXERR
%token COLON SEMICOLON LANGLE RANGLE AT_SIGN LCURL RCURL LPAREN RPAREN COMMA
%token <function> FUNCTION
%token <intval> INTVAL
%token <ident> IDENTIFIER
%token <strval> STRING
%token <mnemonic> MNEMONIC
%token <accelerator> ACCELERATOR
%token ACTION ADD ANY APPLICATION ARC BOOLEAN BUS BUTTON CALLBACKARGS
%token CAPABILITIES CAPABILITY COMMAND COMPOUND CONFIGURATION CONNECT
%token CONNECTIONVARIETY CONTEXT COPY COPYRIGHT CURSORSIZE DASH DEFAULTLAYOUT
%token DEFAULTSTATUSSOURCE DEFAULTVALUE DESCRIBE DESCRIPTION DISPLAY_STRING
%token DROPACTION EDIT EDITONCREATION EDITPOLICY EDITPOSITION ENROLL
%token ENUMERATION FIELD FILEBASE FLAGS F_DISABLESYMDELETE F_INITIAL
%token F_RESTART F_SHARED GEOMETRY GLOBAL HELP HELPBROWSER HELPSTRING HEX
%token ICONVARIETY IF IMMEDIATEVERIFY INITIALVERIFY INTEGER INTEGER32
%token INTEGERDISPLAYPOLICY IPADDR LABEL LINEDASHPATTERN LINESTYLE LIST
%token LISTDISPLAYPOLICY LISTSELECTIONPOLICY LOCATE MANPAGE MAXSELECTED MENU
%token MENUBAR MINSELECTED MOVE MULTIPLE NAME NAMEFIELD NODISPLAY NOEDIT NONE
%token OBJECT OCTAL OFF ON OPERATIONS ORIGIN PIXMAPBASENAME PIXMAPSIZE
%token POINTTOPOINT POPUP_ITEM POPUP_MENU QUICKHELP REGIONCENTER REGIONHEIGHT
%token REGIONWIDTH RING ROTATION ROWCOLUMN SCALE SEGMENT SELECTIONLISTBOX
%token SELECTIONRULE SINGLE SIZE SOLID STAR STARTEDBY STRINGTYPE SYMBOL
%token SYMBOLALERT SYMBOLCLASS SYMBOLTYPE TARG_SYMB_TYPE TEXTFILE TEXTREGION
%token THICKNESS TO TYPE UNSIGNED VARIETY VERSION XHELPDIRECTORY XHELPFILE
%token XHELPINDEX TAB ACTIVEHELP URL ACCESS WINDOW STATUS SCROLLBARS TOOLBAR
%token LOCATION RESIZABLE WIDTH HEIGHT LIMITED FULL INTERMEDIATE MENUONLY CGI
%token CGIPATH ICONPATH IGNOREACTIONS ACCEPTARGUMENTS OPTION

/* a || b && c is (a || b) && c; ! binds tighter than both. */
%left OP_AND OP_OR
%right OP_NOT

%type <strval> StringOrIdentifier AppName AppParent DisplayStringStmt
%type <strval> DisplayString VerificationKey HelpDirectory Pathname Version
%type <strval> HostSpec LaunchSpec MenuID Mnemonic Label Bitmap Accelerator
%type <strval> ContextExprOpt ContextExpr CtxtExpr ContextIdName FunctionArg
%type <strval> ShellCommand TargetSymbolType SymbolAlertTypeName SymClassName
%type <strval> SymbolName ActionID CapabilityFieldName FieldEnrollName
%type <strval> DropActionId HelpString TabID ListID ListLabel IconStmt
%type <strval> WindowLabel URLpath FieldRegisterName EnumName CgiNameID
%type <intval> Precedence ProcessFlags ProcFlag OnOff EditPolicy
%type <intval> ListDisplayPolicy ListSelectionPolicy DropOpList TypeSpec
%type <intval> Scale Variety FieldTypeName FieldFlagStmts FieldFlag DashLength
%type <intval> ActionsBlock
%type <helptype> HelpType
%type <intdisp> IntegerDisplayPolicy
%type <dss> StatusSource
%type <lyt> LayoutName
%type <expr> Expression BooleanExpression
%type <point> Point

/* What error recovery drops from the stack it releases. */
%destructor { free($$); } <ident> <function> <mnemonic> <accelerator> <strval>
%destructor { ActionBuilder::disposeExpression($$); } <expr>
%destructor { SymbolBuilder::disposePoint($$); } <point>

/* The language has no conflict: byacc fails the build on any. */
%expect 0
%expect-rr 0

%start Registration

%%

/* ---- The registration kinds ---------------------------------------- */

Registration
    : { RUN(ApplicationBuilder::startRegistration()); } Application
    | { RUN(SymbolBuilder::startRegistration()); } Symbols
    | { RUN(FieldBuilder::startRegistration()); } Fields
    | { YYACCEPT; /* symbol alerts build nothing: the parse ends here */ } SymbolAlerts
    | { RUN(CgiBuilder::startRegistration()); } CgiDefs
    | /* empty */
    | error
    ;

ErrorStmt
    : error SEMICOLON { yyerrok; /* one report per bad statement */ }
    ;

/* ---- Applications --------------------------------------------------- */

Application
    : APPLICATION AppName AppParent { RUN(ApplicationBuilder::beginApplication(TAKE($2), TAKE($3))); }
      AppBlock { RUN(ApplicationBuilder::endApplication()); }
    ;

AppName
    : StringOrIdentifier
    ;

StringOrIdentifier
    : STRING
    | IDENTIFIER { $$ = $1; }
    ;

AppParent
    : COLON AppName { $$ = $2; }
    | /* empty */ { $$ = nullptr; }
    ;

AppBlock
    : EmptyBlock
    | LCURL AppStmts RCURL
    ;

EmptyBlock
    : LCURL RCURL
    | error RCURL
    ;

AppStmts
    : AppStmt
    | ErrorStmt
    | AppStmts AppStmt
    | AppStmts ErrorStmt
    ;

AppStmt
    : Description { RUN(ApplicationBuilder::description()); }
    | DisplayStringStmt { RUN(ApplicationBuilder::displayString(TAKE($1))); }
    | VerificationKey { RUN(ApplicationBuilder::verificationKey(TAKE($1))); }
    | HelpDirectory { RUN(ApplicationBuilder::helpDirectory(TAKE($1))); }
    | { RUN(GrammarActions::startValueList()); } Naming { RUN(ApplicationBuilder::nameFields()); }
    | { RUN(ApplicationBuilder::beginCommand()); } Command { RUN(ApplicationBuilder::applicationCommand()); }
    | Version { RUN(ApplicationBuilder::version(TAKE($1))); }
    | Copyright { RUN(ApplicationBuilder::copyright()); }
    | MenuBar
    | Menu
    | PopupItem
    | PopupMenu
    | ToolbarButton
    | Action
    | Enrollment
    | DropAction
    | Tab
    | List
    | SEMICOLON
    ;

Description
    : DESCRIPTION { RUN(GrammarActions::startValueList()); } DescriptionBlock
    ;

DescriptionBlock
    : EmptyBlock
    | LCURL DescriptionText RCURL
    ;

DescriptionText
    : Strings
    ;

/* Right recursion: the last text is added first, each directly after the
   head, so the list ends up in file order. */
Strings
    : STRING { RUN(GrammarActions::insertText(TAKE($1))); }
    | STRING COMMA { RUN(GrammarActions::insertText(TAKE($1))); }
    | STRING COMMA Strings { RUN(GrammarActions::insertText(TAKE($1))); }
    ;

DisplayStringStmt
    : DISPLAY_STRING DisplayString SEMICOLON { $$ = $2; }
    ;

DisplayString
    : STRING
    ;

Copyright
    : COPYRIGHT { RUN(GrammarActions::startValueList()); } CopyrightBlock
    ;

CopyrightBlock
    : EmptyBlock
    | LCURL CopyrightText RCURL
    ;

CopyrightText
    : Strings
    ;

VerificationKey
    : STRING SEMICOLON
    ;

HelpDirectory
    : XHELPDIRECTORY Pathname SEMICOLON { $$ = $2; }
    ;

Pathname
    : STRING
    ;

Naming
    : NAMEFIELD NameFields SEMICOLON
    ;

NameFields
    : NameField
    | NameFields COMMA NameField
    ;

NameField
    : StringOrIdentifier { RUN(GrammarActions::appendValue(TAKE($1))); }
    ;

/* ---- Commands and functions ----------------------------------------- */

Command
    : COMMAND ProcessFlags STRING RemoteSpec SEMICOLON { RUN(ApplicationBuilder::commandWithFlags($2, TAKE($3))); }
    | COMMAND STRING RemoteSpec SEMICOLON { RUN(ApplicationBuilder::commandName(TAKE($2))); }
    ;

ProcessFlags
    : ProcFlag
    | ProcessFlags ProcFlag { $$ = $1 | $2; }
    ;

ProcFlag
    : F_INITIAL { $$ = 1; }
    | F_SHARED { $$ = 2; }
    | F_RESTART { $$ = 4; }
    | F_DISABLESYMDELETE { $$ = 8; }
    ;

RemoteSpec
    : ON HostSpec { RUN(ApplicationBuilder::hostSpec(TAKE($2))); }
    | ON HostSpec STARTEDBY LaunchSpec { RUN(ApplicationBuilder::hostAndLaunchSpec(TAKE($2), TAKE($4))); }
    | /* empty */
    ;

HostSpec
    : StringOrIdentifier
    ;

LaunchSpec
    : StringOrIdentifier
    ;

Version
    : VERSION STRING SEMICOLON { $$ = $2; }
    ;

/* ---- Menu bars, menus, items ------------------------------------------ */

MenuBar
    : MENUBAR Precedence MenuID Mnemonic { RUN(MenuBuilder::beginMenuBar($2, TAKE($3), TAKE($4))); }
      MenuBlock { RUN(MenuBuilder::endMenuBar()); }
    ;

Mnemonic
    : MNEMONIC { $$ = $1; }
    | /* empty */ { $$ = nullptr; }
    ;

Menu
    : MENU MenuID { RUN(MenuBuilder::beginMenu(TAKE($2))); } MenuBlock { RUN(MenuBuilder::endMenu()); }
    ;

MenuID
    : StringOrIdentifier
    ;

MenuBlock
    : EmptyBlock
    | LCURL MenuStmts RCURL
    ;

MenuStmts
    : MenuItem
    | ErrorStmt
    | MenuStmts MenuItem
    | MenuStmts ErrorStmt
    ;

/* The mid-rule action is reached by a default reduction, so the token after
   the label is the first one scanned in accelerator mode. */
MenuItem
    : Precedence Label { GrammarActions::expectAccelerator(); }
      Mnemonic Accelerator ContextExprOpt Function SEMICOLON { RUN(MenuBuilder::menuItem($1, TAKE($2), TAKE($4), TAKE($5), TAKE($6))); }
    | SEMICOLON
    ;

Precedence
    : LANGLE INTVAL RANGLE { $$ = $2; }
    | /* empty */ { $$ = -1; }
    ;

Label
    : STRING { RUN(MenuBuilder::textLabel(TAKE($1), &$$)); }
    | Bitmap { RUN(MenuBuilder::bitmapLabel(TAKE($1), &$$)); }
    ;

Bitmap
    : AT_SIGN Pathname { $$ = $2; }
    ;

Accelerator
    : ACCELERATOR { $$ = $1; }
    | /* empty */ { $$ = nullptr; }
    ;

ContextExprOpt
    : ContextExpr
    | /* empty */ { $$ = nullptr; }
    ;

ContextExpr
    : CONTEXT LPAREN CtxtExpr RPAREN { $$ = $3; }
    | CONTEXT ContextIdName { $$ = $2; }
    ;

CtxtExpr
    : CtxtExpr OP_AND CtxtExpr { RUN(MenuBuilder::contextAnd(TAKE($1), TAKE($3), &$$)); }
    | CtxtExpr OP_OR CtxtExpr { RUN(MenuBuilder::contextOr(TAKE($1), TAKE($3), &$$)); }
    | LPAREN CtxtExpr RPAREN { RUN(MenuBuilder::contextParenthesized(TAKE($2), &$$)); }
    | ContextIdName
    ;

ContextIdName
    : StringOrIdentifier
    ;

Function
    : OP_NOT ShellCommand { RUN(ApplicationBuilder::shellFunction(TAKE($2))); }
    | FUNCTION FunctionArg { RUN(ApplicationBuilder::namedFunction(TAKE($1), TAKE($2))); }
    ;

FunctionArg
    : StringOrIdentifier
    | /* empty */ { $$ = nullptr; }
    ;

ShellCommand
    : STRING
    ;

PopupItem
    : POPUP_ITEM Precedence Label ContextExpr TargetSymbolType Function SEMICOLON { RUN(MenuBuilder::popupItem($2, TAKE($3), TAKE($4), TAKE($5))); }
    ;

ToolbarButton
    : BUTTON Precedence Label ContextExpr Function SEMICOLON { RUN(MenuBuilder::toolbarButton($2, TAKE($3), TAKE($4))); }
    ;

TargetSymbolType
    : TARG_SYMB_TYPE ANY { RUN(MenuBuilder::targetAny(&$$)); }
    | TARG_SYMB_TYPE SYMBOLALERT COLON ANY { RUN(MenuBuilder::targetAnySymbolAlert(&$$)); }
    | TARG_SYMB_TYPE SYMBOLALERT COLON SymbolAlertTypeName { RUN(MenuBuilder::targetSymbolAlert(TAKE($4), &$$)); }
    | TARG_SYMB_TYPE SymClassName COLON ANY { RUN(MenuBuilder::targetAnyOfClass(TAKE($2), &$$)); }
    | TARG_SYMB_TYPE SymClassName COLON SymbolName { RUN(MenuBuilder::targetSymbolType(TAKE($2), TAKE($4), &$$)); }
    ;

SymbolAlertTypeName
    : StringOrIdentifier
    | /* empty */ { $$ = nullptr; }
    ;

SymClassName
    : StringOrIdentifier
    ;

SymbolName
    : StringOrIdentifier
    ;

PopupMenu
    : POPUP_MENU MenuID { RUN(MenuBuilder::beginPopupMenu(TAKE($2))); } PopupMenuBlock { RUN(MenuBuilder::endPopupMenu()); }
    ;

PopupMenuBlock
    : EmptyBlock
    | LCURL PopupMenuStmts RCURL
    ;

PopupMenuStmts
    : PopupMenuItem
    | ErrorStmt
    | PopupMenuStmts PopupMenuItem
    | PopupMenuStmts ErrorStmt
    ;

PopupMenuItem
    : Precedence Label ContextExpr TargetSymbolType Function SEMICOLON { RUN(MenuBuilder::popupMenuItem($1, TAKE($2), TAKE($3), TAKE($4))); }
    | SEMICOLON
    ;

/* ---- Actions ---------------------------------------------------------- */

Action
    : ACTION ActionID { RUN(ActionBuilder::beginAction(TAKE($2))); } ActionBlock { RUN(ActionBuilder::endAction()); }
    ;

ActionID
    : StringOrIdentifier
    ;

ActionBlock
    : EmptyBlock
    | LCURL ActionStmts RCURL
    ;

ActionStmts
    : ActionStmt
    | ErrorStmt
    | ActionStmts ActionStmt
    | ActionStmts ErrorStmt
    ;

ActionStmt
    : SelectionRule
    | { RUN(GrammarActions::startValueList()); } Naming { RUN(ActionBuilder::nameFields()); }
    | MinSelected
    | MaxSelected
    | CallbackArgs
    | { RUN(ApplicationBuilder::beginCommand()); } Command { RUN(ActionBuilder::actionCommand()); }
    | DisplayStringStmt { RUN(ActionBuilder::displayString(TAKE($1))); }
    | URL URLpath SEMICOLON { RUN(ActionBuilder::urlPath(TAKE($2))); }
    | Access
    | Window
    | SEMICOLON
    ;

SelectionRule
    : SELECTIONRULE Expression SEMICOLON { RUN(ActionBuilder::selectionRule(TAKE($2))); }
    ;

Expression
    : Expression OP_AND Expression { RUN(ActionBuilder::andExpression(TAKE($1), TAKE($3), &$$)); }
    | Expression OP_OR Expression { RUN(ActionBuilder::orExpression(TAKE($1), TAKE($3), &$$)); }
    | OP_NOT Expression { RUN(ActionBuilder::notExpression(TAKE($2), &$$)); }
    | LPAREN Expression RPAREN { $$ = $2; }
    | BooleanExpression
    ;

BooleanExpression
    : INTVAL { RUN(ActionBuilder::integerTerm($1, &$$)); }
    | CapabilityFieldName { RUN(ActionBuilder::nameTerm(TAKE($1), &$$)); }
    | CapabilityFieldName OP_EQUAL STRING { RUN(ActionBuilder::equalsText(TAKE($1), TAKE($3), &$$)); }
    | CapabilityFieldName OP_NOT_EQUAL STRING { RUN(ActionBuilder::differsFromText(TAKE($1), TAKE($3), &$$)); }
    | CapabilityFieldName OP_EQUAL INTVAL { RUN(ActionBuilder::equalsInteger(TAKE($1), $3, &$$)); }
    | CapabilityFieldName OP_NOT_EQUAL INTVAL { RUN(ActionBuilder::differsFromInteger(TAKE($1), $3, &$$)); }
    ;

CapabilityFieldName
    : StringOrIdentifier
    ;

MinSelected
    : MINSELECTED INTVAL SEMICOLON { RUN(ActionBuilder::minSelected($2)); }
    ;

MaxSelected
    : MAXSELECTED INTVAL SEMICOLON { RUN(ActionBuilder::maxSelected($2)); }
    ;

CallbackArgs
    : CALLBACKARGS STRING { RUN(ActionBuilder::callbackArgs(TAKE($2))); }
    ;

/* ---- Enrollments -------------------------------------------------------- */

Enrollment
    : ENROLL AddDescribe
    | ENROLL Connect
    | ENROLL Config
    ;

AddDescribe
    : ADD { RUN(EnrollmentBuilder::beginEnrollment(0 /* ENR_ADD */)); } AddDescribeBlock
    | DESCRIBE { RUN(EnrollmentBuilder::beginEnrollment(1 /* ENR_DESCRIBE */)); } AddDescribeBlock
    | ADD COMMA DESCRIBE { RUN(EnrollmentBuilder::beginEnrollment(2 /* ENR_ADD_DESCRIBE */)); } AddDescribeBlock
    | DESCRIBE COMMA ADD { RUN(EnrollmentBuilder::beginEnrollment(2 /* ENR_ADD_DESCRIBE */)); } AddDescribeBlock
    ;

AddDescribeBlock
    : EmptyBlock
    | LCURL EnrollAddRules RCURL
    ;

EnrollAddRules
    : Rule
    | ErrorStmt
    | EnrollAddRules Rule
    | EnrollAddRules ErrorStmt
    ;

Connect
    : CONNECT { RUN(EnrollmentBuilder::beginEnrollment(3 /* ENR_CONNECT */)); } ConnectBlock
    ;

ConnectBlock
    : EmptyBlock
    | LCURL EnrollConRules RCURL
    ;

EnrollConRules
    : ConnectRule
    | ErrorStmt
    | EnrollConRules ConnectRule
    | EnrollConRules ErrorStmt
    ;

Config
    : CONFIGURATION { RUN(EnrollmentBuilder::beginConfiguration()); } ConfigBlock
    ;

ConfigBlock
    : EmptyBlock
    | LCURL FieldEnrolls RCURL
    ;

Rule
    : IF Expression { RUN(EnrollmentBuilder::beginRule(TAKE($2))); } FieldEnrollsBlock
    ;

FieldEnrollsBlock
    : EmptyBlock
    | LCURL FieldEnrolls RCURL
    ;

FieldEnrolls
    : FieldEnrollment
    | ErrorStmt
    | FieldEnrolls FieldEnrollment
    | FieldEnrolls ErrorStmt
    ;

RuleGlobal
    : Scale { RUN(EnrollmentBuilder::scale($1)); }
    | RuleOptions
    | EnrollHelp
    | SEMICOLON
    ;

Scale
    : SCALE INTVAL SEMICOLON { $$ = $2; }
    ;

EnrollHelp
    : XHELPFILE Pathname SEMICOLON { RUN(EnrollmentBuilder::help(0 /* HLP_XHELPFILE */, TAKE($2))); }
    | XHELPINDEX Pathname SEMICOLON { RUN(EnrollmentBuilder::help(1 /* HLP_XHELPINDEX */, TAKE($2))); }
    | HELP HelpType STRING SEMICOLON { RUN(EnrollmentBuilder::help($2, TAKE($3))); }
    ;

HelpType
    : XHELPFILE { $$ = 0; /* HLP_XHELPFILE */ }
    | XHELPINDEX { $$ = 1; /* HLP_XHELPINDEX */ }
    | HELPBROWSER { $$ = 2; /* HLP_HELPBROWSER */ }
    | QUICKHELP { $$ = 3; /* HLP_QUICKHELP */ }
    | STRINGTYPE { $$ = 4; /* HLP_STRINGTYPE */ }
    | MANPAGE { $$ = 5; /* HLP_MANPAGE */ }
    | TEXTFILE { $$ = 6; /* HLP_TEXTFILE */ }
    ;

ConnectRule
    : IF Expression COMMA Expression { RUN(EnrollmentBuilder::beginConnectRule(TAKE($2), TAKE($4))); } FieldEnrollsBlock
    ;

RuleOptions
    : INITIALVERIFY OnOff SEMICOLON { RUN(EnrollmentBuilder::initialVerify($2)); }
    ;

OnOff
    : ON { $$ = 1; /* OOF_ON */ }
    | OFF { $$ = 0; /* OOF_OFF */ }
    ;

FieldEnrollment
    : RuleGlobal
    | FIELD FieldEnrollName { RUN(EnrollmentBuilder::beginFieldEnrollment(TAKE($2))); }
      FieldEnrollmentBlock { RUN(EnrollmentBuilder::endFieldEnrollment()); }
    ;

FieldEnrollName
    : StringOrIdentifier
    ;

FieldEnrollmentBlock
    : EmptyBlock
    | LCURL FieldEnrollStmts RCURL
    ;

FieldEnrollStmts
    : FieldEnrollStmt
    | ErrorStmt
    | FieldEnrollStmts FieldEnrollStmt
    | FieldEnrollStmts ErrorStmt
    ;

FieldEnrollStmt
    : FieldOptions
    | FieldLabel
    | FieldGeometry
    | FieldEditPolicy
    | FieldListDisplayPolicy
    | FieldListSelectionPolicy
    | FieldIntegerDisplayPolicy
    | FieldEditPosition
    | FieldDefaultValue
    | SEMICOLON
    ;

FieldOptions
    : NODISPLAY OnOff SEMICOLON { RUN(EnrollmentBuilder::noDisplay($2)); }
    | IMMEDIATEVERIFY OnOff SEMICOLON { RUN(EnrollmentBuilder::immediateVerify($2)); }
    ;

FieldLabel
    : LABEL STRING SEMICOLON { RUN(EnrollmentBuilder::fieldLabel(TAKE($2))); }
    ;

FieldGeometry
    : GEOMETRY INTVAL COMMA INTVAL SEMICOLON { RUN(EnrollmentBuilder::geometry($2, $4)); }
    | GEOMETRY INTVAL COMMA INTVAL COMMA INTVAL COMMA INTVAL SEMICOLON { RUN(EnrollmentBuilder::geometryWithSize($2, $4, $6, $8)); }
    ;

FieldEditPolicy
    : EDITPOLICY EditPolicy SEMICOLON { RUN(EnrollmentBuilder::editPolicy($2)); }
    ;

EditPolicy
    : EDIT { $$ = 0; /* EDP_EDIT */ }
    | NOEDIT { $$ = 1; /* EDP_NOEDIT */ }
    | EDITONCREATION { $$ = 2; /* EDP_EDITONCREATION */ }
    ;

FieldListDisplayPolicy
    : LISTDISPLAYPOLICY ListDisplayPolicy SEMICOLON { RUN(EnrollmentBuilder::listDisplayPolicy($2)); }
    ;

ListDisplayPolicy
    : SELECTIONLISTBOX { $$ = 0; /* LDP_SELECTIONLISTBOX */ }
    ;

FieldListSelectionPolicy
    : LISTSELECTIONPOLICY ListSelectionPolicy SEMICOLON { RUN(EnrollmentBuilder::listSelectionPolicy($2)); }
    ;

ListSelectionPolicy
    : NONE { $$ = 0; /* LSP_NONE */ }
    | SINGLE { $$ = 1; /* LSP_SINGLE */ }
    | MULTIPLE { $$ = 2; /* LSP_MULTIPLE */ }
    ;

FieldIntegerDisplayPolicy
    : INTEGERDISPLAYPOLICY IntegerDisplayPolicy SEMICOLON { RUN(EnrollmentBuilder::integerDisplayPolicy($2)); }
    ;

IntegerDisplayPolicy
    : HEX { $$ = 0; /* IDP_HEX */ }
    | OCTAL { $$ = 1; /* IDP_OCTAL */ }
    | INTEGER { $$ = 2; /* IDP_INTEGER */ }
    | UNSIGNED { $$ = 3; /* IDP_UNSIGNED */ }
    | IPADDR { $$ = 4; /* IDP_IPADDR */ }
    ;

FieldEditPosition
    : EDITPOSITION INTVAL SEMICOLON { RUN(EnrollmentBuilder::editPosition($2)); }
    ;

FieldDefaultValue
    : DEFAULTVALUE StringOrIdentifier SEMICOLON { RUN(EnrollmentBuilder::defaultText(TAKE($2))); }
    | DEFAULTVALUE INTVAL SEMICOLON { RUN(EnrollmentBuilder::defaultInteger($2)); }
    ;

/* ---- Drop actions ------------------------------------------------------ */

DropAction
    : DROPACTION DropActionId { RUN(DropActionBuilder::beginDropAction(TAKE($2))); }
      DropActionBlock { RUN(DropActionBuilder::endDropAction()); }
    ;

DropActionId
    : StringOrIdentifier
    ;

DropActionBlock
    : EmptyBlock
    | LCURL DropActStmts RCURL
    ;

DropActStmts
    : DropActStmt
    | ErrorStmt
    | DropActStmts DropActStmt
    | DropActStmts ErrorStmt
    ;

DropActStmt
    : DropOperation
    | DropSelectionRule
    | DropHelp
    ;

DropOperation
    : OPERATIONS DropOpList SEMICOLON { RUN(DropActionBuilder::operations($2)); }
    ;

DropOpList
    : DropOpList MOVE { $$ = $1 | 1; }
    | MOVE { $$ = 1; }
    | DropOpList COPY { $$ = $1 | 2; }
    | COPY { $$ = 2; }
    ;

DropSelectionRule
    : SELECTIONRULE Expression SEMICOLON { RUN(DropActionBuilder::selectionRule(TAKE($2))); }
    ;

DropHelp
    : HELPSTRING HelpString SEMICOLON { RUN(DropActionBuilder::helpString(TAKE($2))); }
    ;

HelpString
    : StringOrIdentifier
    ;

/* ---- Tabs and lists ----------------------------------------------------- */

Tab
    : TAB Precedence TabID IconStmt ActiveHelpStmt { RUN(TabBuilder::beginTab($2, TAKE($3), TAKE($4))); }
      ListBlock { RUN(TabBuilder::endTab()); }
    ;

TabID
    : StringOrIdentifier
    ;

ListBlock
    : EmptyBlock
    | LCURL ListStmts RCURL
    ;

ListStmts
    : ListItem
    | ListStmts ListItem
    ;

ListItem
    : Precedence ListLabel IconStmt ActiveHelpStmt Function SEMICOLON { RUN(TabBuilder::listItem($1, TAKE($2), TAKE($3))); }
    ;

ActiveHelpStmt
    : ACTIVEHELP { RUN(GrammarActions::startValueList()); } LCURL Strings RCURL
    | /* empty */ { GrammarActions::discardValueList(); }
    ;

List
    : LIST ListID IconStmt ActiveHelpStmt { RUN(TabBuilder::beginList(TAKE($2), TAKE($3))); }
      ListBlock { RUN(TabBuilder::endList()); }
    ;

ListID
    : StringOrIdentifier
    ;

ListLabel
    : StringOrIdentifier
    ;

IconStmt
    : ICONVARIETY Pathname { $$ = $2; }
    | /* empty */ { $$ = nullptr; }
    ;

/* ---- Access lists and windows of actions -------------------------------- */

/* Left recursion, each value directly after the head: reverse file order. */
Access
    : ACCESS { RUN(GrammarActions::startValueList()); } AccessArgs SEMICOLON { RUN(ActionBuilder::accesses()); }
    ;

AccessArgs
    : INTVAL { RUN(GrammarActions::insertInteger($1)); }
    | StringOrIdentifier { RUN(GrammarActions::insertText(TAKE($1))); }
    | AccessArgs INTVAL { RUN(GrammarActions::insertInteger($2)); }
    | AccessArgs StringOrIdentifier { RUN(GrammarActions::insertText(TAKE($2))); }
    ;

Window
    : WINDOW WindowLabel { RUN(ActionBuilder::beginWindow(TAKE($2))); } WindowBlock { RUN(ActionBuilder::endWindow()); }
    ;

WindowBlock
    : LCURL WindowStmts RCURL
    ;

WindowStmts
    : WindowStmt
    | WindowStmts WindowStmt
    ;

WindowLabel
    : StringOrIdentifier
    ;

WindowStmt
    : TYPE TypeSpec SEMICOLON { RUN(ActionBuilder::windowType($2)); }
    | STATUS OnOff SEMICOLON { RUN(ActionBuilder::windowStatus($2)); }
    | SCROLLBARS OnOff SEMICOLON { RUN(ActionBuilder::windowScrollbars($2)); }
    | TOOLBAR OnOff SEMICOLON { RUN(ActionBuilder::windowToolbar($2)); }
    | LOCATION OnOff SEMICOLON { RUN(ActionBuilder::windowLocation($2)); }
    | RESIZABLE OnOff SEMICOLON { RUN(ActionBuilder::windowResizable($2)); }
    | WIDTH INTVAL SEMICOLON { RUN(ActionBuilder::windowWidth($2)); }
    | HEIGHT INTVAL SEMICOLON { RUN(ActionBuilder::windowHeight($2)); }
    | SEMICOLON
    ;

TypeSpec
    : LIMITED { $$ = 0; /* TSP_LIMITED */ }
    | FULL { $$ = 1; /* TSP_FULL */ }
    | INTERMEDIATE { $$ = 2; /* TSP_INTERMEDIATE */ }
    | MENUONLY { $$ = 3; /* TSP_MENUONLY */ }
    ;

URLpath
    : Pathname { RUN(ActionBuilder::convertUrlPath(TAKE($1), &$$)); }
    ;

/* ---- Symbol classes and symbol types ------------------------------------ */

Symbols
    : Symbol
    | Symbols Symbol
    ;

Symbol
    : SymbolClass
    | SymbolType
    ;

SymbolClass
    : SYMBOLCLASS SymClassName { RUN(SymbolBuilder::beginSymbolClass(TAKE($2))); }
      SymClassBlock { RUN(SymbolBuilder::endSymbolClass()); }
    ;

SymClassBlock
    : EmptyBlock
    | LCURL SymClassStmts RCURL
    ;

SymClassStmts
    : SymClassStmt
    | ErrorStmt
    | SymClassStmts SymClassStmt
    | SymClassStmts ErrorStmt
    ;

SymClassStmt
    : Scale { RUN(SymbolBuilder::scale($1)); }
    | Shape
    | VarietyStmt
    | { RUN(SymbolBuilder::beginCapabilities()); } Capabilities
    | DefaultStatusSource
    | Layout
    | FileBase
    | CursorSize
    | DisplayStringStmt { RUN(SymbolBuilder::displayString(TAKE($1))); }
    | { RUN(SymbolBuilder::beginLine()); } LineStmts { RUN(SymbolBuilder::endLine()); }
    | Thickness
    | SEMICOLON
    ;

Shape
    : Arc
    | Segment
    ;

Arc
    : ARC Origin Size Rotation SEMICOLON
    ;

Origin
    : ORIGIN Point { RUN(SymbolBuilder::arcOrigin(TAKE($2))); }
    ;

Size
    : SIZE Point { RUN(SymbolBuilder::arcSize(TAKE($2))); }
    ;

Rotation
    : ROTATION INTVAL { RUN(SymbolBuilder::arcRotation($2)); }
    | ROTATION INTVAL COMMA INTVAL { RUN(SymbolBuilder::arcRotationRange($2, $4)); }
    ;

/* Right recursion: the points arrive from the last to the first. */
Segment
    : SEGMENT { RUN(SymbolBuilder::beginSegments()); } Segments SEMICOLON { RUN(SymbolBuilder::endSegments()); }
    ;

Segments
    : Point { RUN(SymbolBuilder::segmentPoint(TAKE($1))); }
    | Point TO Segments { RUN(SymbolBuilder::segmentPoint(TAKE($1))); }
    | /* empty */
    ;

VarietyStmt
    : VARIETY Variety SEMICOLON { RUN(SymbolBuilder::variety($2)); }
    ;

Variety
    : ICONVARIETY { $$ = 0; /* VFY_ICONVARIETY */ }
    | CONNECTIONVARIETY { $$ = 1; /* VFY_CONNECTIONVARIETY */ }
    ;

SymbolType
    : SYMBOLTYPE SymClassName COLON SymbolName { RUN(SymbolBuilder::beginSymbolType(TAKE($2), TAKE($4))); }
      SymBlock { RUN(SymbolBuilder::endSymbolType()); }
    ;

SymBlock
    : EmptyBlock
    | LCURL SymStmts RCURL
    ;

SymStmts
    : SymStmt
    | ErrorStmt
    | SymStmts SymStmt
    | SymStmts ErrorStmt
    ;

SymStmt
    : FileBase
    | CursorSize
    | Layout
    | { RUN(SymbolBuilder::beginCapabilities()); } Capabilities
    | DefaultStatusSource
    | { RUN(SymbolBuilder::beginLine()); } LineStmts { RUN(SymbolBuilder::endLine()); }
    | DisplayStringStmt { RUN(SymbolBuilder::displayString(TAKE($1))); }
    | Thickness
    | SEMICOLON
    ;

Thickness
    : THICKNESS INTVAL SEMICOLON { RUN(SymbolBuilder::thickness($2)); }
    ;

Point
    : LPAREN INTVAL COMMA INTVAL RPAREN { RUN(SymbolBuilder::point($2, $4, &$$)); }
    ;

DefaultStatusSource
    : DEFAULTSTATUSSOURCE StatusSource SEMICOLON { RUN(SymbolBuilder::defaultStatusSource($2)); }
    ;

StatusSource
    : COMPOUND { $$ = 0; /* DSS_COMPOUND */ }
    | OBJECT { $$ = 1; /* DSS_OBJECT */ }
    | SYMBOL { $$ = 2; /* DSS_SYMBOL */ }
    ;

FileBase
    : FILEBASE StringOrIdentifier SEMICOLON { RUN(SymbolBuilder::fileBase(TAKE($2))); }
    ;

CursorSize
    : CURSORSIZE INTVAL { RUN(SymbolBuilder::cursorSize($2)); }
    ;

Layout
    : DEFAULTLAYOUT LayoutName SEMICOLON { RUN(SymbolBuilder::layout($2)); }
    ;

LayoutName
    : RING { $$ = 0; /* LYT_RING */ }
    | BUS { $$ = 1; /* LYT_BUS */ }
    | STAR { $$ = 2; /* LYT_STAR */ }
    | POINTTOPOINT { $$ = 3; /* LYT_POINTTOPOINT */ }
    | ROWCOLUMN { $$ = 4; /* LYT_ROWCOLUMN */ }
    | NONE { $$ = 5; /* LYT_NONE */ }
    ;

Capabilities
    : CAPABILITIES CapabilityBlock { RUN(SymbolBuilder::endCapabilities()); }
    ;

CapabilityBlock
    : EmptyBlock
    | LCURL { RUN(SymbolBuilder::startCapabilityList()); } CapabilityStmts RCURL
    ;

CapabilityStmts
    : CapabilityStmt
    | ErrorStmt
    | CapabilityStmts CapabilityStmt
    | CapabilityStmts ErrorStmt
    ;

CapabilityStmt
    : CapabilityFieldName SEMICOLON { RUN(SymbolBuilder::capability(TAKE($1))); }
    | CapabilityFieldName OP_ASSIGN StringOrIdentifier SEMICOLON { RUN(SymbolBuilder::textCapability(TAKE($1), TAKE($3))); }
    | CapabilityFieldName OP_ASSIGN INTVAL SEMICOLON { RUN(SymbolBuilder::integerCapability(TAKE($1), $3)); }
    ;

LineStmts
    : LineStyle
    | LineDashPattern
    ;

LineStyle
    : LINESTYLE SOLID SEMICOLON { RUN(SymbolBuilder::lineStyle(0 /* LNT_SOLID */)); }
    | LINESTYLE DASH SEMICOLON { RUN(SymbolBuilder::lineStyle(1 /* LNT_DASH */)); }
    ;

LineDashPattern
    : LINEDASHPATTERN { RUN(GrammarActions::startDashList()); } DashLengths SEMICOLON { RUN(SymbolBuilder::dashPattern()); }
    ;

/* Right recursion: the last length is added first, each directly after the
   head, so the list ends up in file order. */
DashLengths
    : DashLength { RUN(GrammarActions::addDashLength($1)); }
    | DashLength COMMA DashLengths { RUN(GrammarActions::addDashLength($1)); }
    ;

DashLength
    : INTVAL
    ;

/* ---- Fields ------------------------------------------------------------- */

Fields
    : Field
    | Fields Field
    ;

Field
    : FIELD FieldRegisterName { RUN(FieldBuilder::beginField(TAKE($2))); } FieldBlock { RUN(FieldBuilder::endField()); }
    ;

FieldRegisterName
    : StringOrIdentifier
    ;

FieldBlock
    : EmptyBlock
    | LCURL FieldDefStmts RCURL
    ;

FieldDefStmts
    : FieldDefStmt
    | ErrorStmt
    | FieldDefStmts FieldDefStmt
    | FieldDefStmts ErrorStmt
    ;

FieldDefStmt
    : FieldType
    | FieldFlags
    | FieldEnumeration
    | DisplayStringStmt { RUN(FieldBuilder::displayString(TAKE($1))); }
    | SEMICOLON
    ;

FieldType
    : TYPE FieldTypeName SEMICOLON { RUN(FieldBuilder::fieldType($2)); }
    ;

FieldTypeName
    : BOOLEAN { $$ = 0; /* FLD_BOOLEAN */ }
    | STRINGTYPE { $$ = 1; /* FLD_STRINGTYPE */ }
    | ENUMERATION { $$ = 2; /* FLD_ENUMERATION */ }
    | INTEGER32 { $$ = 3; /* FLD_INTEGER32 */ }
    ;

FieldFlags
    : FLAGS FieldFlagStmts SEMICOLON { RUN(FieldBuilder::fieldFlags($2)); }
    ;

FieldFlagStmts
    : FieldFlag
    | FieldFlag COMMA FieldFlagStmts { $$ = $1 | $3; }
    | /* empty */ { $$ = 0; }
    ;

FieldFlag
    : LIST { $$ = 1; }
    | NAME { $$ = 2; }
    | LOCATE { $$ = 4; }
    | GLOBAL { $$ = 8; }
    | CAPABILITY { $$ = 16; }
    ;

/* Left recursion, each name directly after the head: reverse file order. */
FieldEnumeration
    : ENUMERATION { RUN(GrammarActions::startValueList()); } EnumDefs SEMICOLON { RUN(FieldBuilder::enumeration()); }
    ;

EnumDefs
    : EnumDef
    | EnumDefs COMMA EnumDef
    ;

EnumDef
    : EnumName { RUN(GrammarActions::insertText(TAKE($1))); }
    ;

EnumName
    : StringOrIdentifier
    ;

/* ---- Symbol alerts: recognised, never built ----------------------------- */

SymbolAlerts
    : SymbolAlert
    | SymbolAlerts SymbolAlert
    ;

SymbolAlert
    : SYMBOLALERT SymbolAlertTypeName SymbolAlertBlock { free($2); }
    ;

SymbolAlertBlock
    : /* empty */
    ;

/* ---- CGI definitions ---------------------------------------------------- */

CgiDefs
    : CgiDef
    | CgiDefs CgiDef
    ;

CgiDef
    : CGI CgiNameID { RUN(CgiBuilder::beginCgi(TAKE($2))); } CgiBlock { RUN(CgiBuilder::endCgi()); }
    ;

CgiBlock
    : EmptyBlock
    | LCURL CgiStmts RCURL
    ;

CgiStmts
    : CgiStmt
    | ErrorStmt
    | CgiStmts CgiStmt
    | CgiStmts ErrorStmt
    ;

CgiStmt
    : Description { RUN(CgiBuilder::description()); }
    | Copyright { RUN(CgiBuilder::copyright()); }
    | Version { RUN(CgiBuilder::version(TAKE($1))); }
    | CommandNameDef
    | CgiPathDef
    | IconPathDef
    | AcceptArgumentsDef
    | IgnoreActionsDef
    | SEMICOLON
    ;

CommandNameDef
    : COMMAND STRING SEMICOLON { RUN(CgiBuilder::commandName(TAKE($2))); }
    ;

CgiPathDef
    : CGIPATH URLpath SEMICOLON { RUN(CgiBuilder::cgiPath(TAKE($2))); }
    ;

IconPathDef
    : ICONPATH URLpath SEMICOLON { RUN(CgiBuilder::iconPath(TAKE($2))); }
    ;

AcceptArgumentsDef
    : ACCEPTARGUMENTS AcceptArgumentsBlock
    ;

AcceptArgumentsBlock
    : EmptyBlock
    | LCURL AcceptArgumentsStmts RCURL
    ;

AcceptArgumentsStmts
    : AcceptArgumentsStmt
    | ErrorStmt
    | AcceptArgumentsStmts AcceptArgumentsStmt
    | AcceptArgumentsStmts ErrorStmt
    ;

AcceptArgumentsStmt
    : OptionDef
    ;

OptionDef
    : OPTION STRING { RUN(GrammarActions::startValueList()); RUN(CgiBuilder::beginOption(TAKE($2))); }
      ActionsBlock { RUN(CgiBuilder::endOption($4)); }
    ;

IgnoreActionsDef
    : IGNOREACTIONS IgnoreActionsBlock
    ;

IgnoreActionsBlock
    : EmptyBlock
    | LCURL IgnoreActionsStmts RCURL
    ;

IgnoreActionsStmts
    : IgnoreActionsStmt
    | ErrorStmt
    | IgnoreActionsStmts IgnoreActionsStmt
    | IgnoreActionsStmts ErrorStmt
    ;

IgnoreActionsStmt
    : ActionsDef
    ;

ActionsDef
    : APPLICATION AppName { RUN(GrammarActions::startValueList()); RUN(CgiBuilder::beginIgnoreAction(TAKE($2))); }
      ActionsBlock { RUN(CgiBuilder::endIgnoreAction($4)); }
    ;

/* 1 for a bare semicolon (no arguments / every action), else 0. */
ActionsBlock
    : SEMICOLON { $$ = 1; }
    | EmptyBlock { $$ = 0; }
    | LCURL ActionsList RCURL { $$ = 0; }
    ;

ActionsList
    : Strings
    ;

CgiNameID
    : StringOrIdentifier
    ;

%%

namespace kivparser {

/* A token is accepted in a state when the engine's tables shift or reduce on
   it there: the same test as the engine's own, for every token. */
int grammarAcceptedTokens(int state, int* tokens, int max)
{
    if (state < 0 || state >= (int)(sizeof yysindex / sizeof yysindex[0]))
        return -1;
    int count = 0;
    for (int token = 0; token <= YYMAXTOKEN && count < max; token++) {
        bool accepted = false;
        for (int base : {(int)yysindex[state], (int)yyrindex[state]}) {
            int at = base + token;
            if (base != 0 && at >= 0 && at <= YYTABLESIZE && yycheck[at] == token)
                accepted = true;
        }
        if (accepted && token != YYERRCODE)
            tokens[count++] = token;
    }
    return count;
}

} // namespace kivparser
