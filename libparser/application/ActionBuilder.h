// Private: included by the grammar and the application builders.
#ifndef KIVPARSER_APPLICATION_ACTIONBUILDER_H
#define KIVPARSER_APPLICATION_ACTIONBUILDER_H

#include "kivparser/application/Application.h"
#include "language/BuilderContext.h"

namespace kivparser {

class ParserExpression;

// Grammar actions of actions, selection-rule expressions, access lists, URLs
// and windows. Conventions as in ApplicationBuilder.h: 0 goes on, non-zero
// ends the parse with result 1; texts and expressions are taken over;
// results through out-parameters.
class ActionBuilder {
public:
    // The checks of the actions of actions and windows: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_BEGIN_ACTION = 300,
        CHECK_END_ACTION = 301,
        CHECK_STATEMENT = 302,
        CHECK_VALUE_LIST = 303,
        CHECK_COMMAND = 304,
        CHECK_BEGIN_WINDOW = 305,
        CHECK_END_WINDOW = 306,
        CHECK_WINDOW_STATEMENT = 307
    };

    // Actions are named per application; a reference by f.action makes a
    // placeholder that the action's block fills without a word.
    struct ActionDefinition
        : BuilderContext::Definition<Application, Action, &Application::lookupAction,
                                     &Application::newAction> {
        static constexpr const char* kind = "Action";
    };

    // Action : ACTION ActionID ^ ActionBlock
    static int beginAction(char* name);
    // Action : ACTION ActionID ActionBlock -- at its end. Damage to the
    // parse since the block began (a syntax error, say) locks the action as
    // incomplete instead.
    static int endAction();

    // Failing closed. An action block left open (error recovery skipped its
    // end, the file ended inside it, the parse was given up) locks its action
    // as incomplete; so does the end of an application block that was
    // damaged, or never reached, for every action of the application still
    // waiting for its block. Called when a new action or the application
    // ends and when the parse ends (`applicationEnded`: the application's
    // block is over, or the parse is, and its placeholders are judged).
    static void closeUnfinished(Application* app, bool applicationEnded, bool damaged);

    // SelectionRule : SELECTIONRULE Expression SEMICOLON
    static int selectionRule(ParserExpression* rule);
    // ActionStmt : ^ Naming -- hands the value list in curString to the action.
    static int nameFields();
    // MinSelected : MINSELECTED INTVAL SEMICOLON
    static int minSelected(int count);
    // MaxSelected : MAXSELECTED INTVAL SEMICOLON
    static int maxSelected(int count);
    // CallbackArgs : CALLBACKARGS STRING
    static int callbackArgs(char* args);
    // ActionStmt : ^ Command -- after the statement: curCommand to the action.
    static int actionCommand();
    // ActionStmt : DisplayStringStmt
    static int displayString(char* text);
    // ActionStmt : URL URLpath SEMICOLON (the path is already converted).
    static int urlPath(char* path);
    // URLpath : Pathname -- *converted becomes the escaped URL path.
    static int convertUrlPath(char* path, char** converted);
    // Access : ACCESS ^ AccessArgs SEMICOLON -- hands the value list in curString to the action.
    static int accesses();

    // Expression : Expression OP_AND Expression
    static int andExpression(ParserExpression* left, ParserExpression* right, ParserExpression** result);
    // Expression : Expression OP_OR Expression
    static int orExpression(ParserExpression* left, ParserExpression* right, ParserExpression** result);
    // Expression : OP_NOT Expression
    static int notExpression(ParserExpression* operand, ParserExpression** result);
    // BooleanExpression : INTVAL
    static int integerTerm(int value, ParserExpression** result);
    // BooleanExpression : CapabilityFieldName
    static int nameTerm(char* name, ParserExpression** result);
    // BooleanExpression : CapabilityFieldName OP_EQUAL STRING
    static int equalsText(char* name, char* value, ParserExpression** result);
    // BooleanExpression : CapabilityFieldName OP_NOT_EQUAL STRING
    static int differsFromText(char* name, char* value, ParserExpression** result);
    // BooleanExpression : CapabilityFieldName OP_EQUAL INTVAL
    static int equalsInteger(char* name, int value, ParserExpression** result);
    // BooleanExpression : CapabilityFieldName OP_NOT_EQUAL INTVAL
    static int differsFromInteger(char* name, int value, ParserExpression** result);
    // Error recovery drops an expression that no rule took over.
    static void disposeExpression(ParserExpression* expression);

    // Window : WINDOW WindowLabel ^ WindowBlock
    static int beginWindow(char* label);
    // Window : WINDOW WindowLabel WindowBlock -- at its end.
    static int endWindow();
    // WindowStmt : TYPE TypeSpec SEMICOLON (a TypeSpecType value)
    static int windowType(int type);
    // WindowStmt : STATUS OnOff SEMICOLON (an OnOffType value)
    static int windowStatus(int onOff);
    // WindowStmt : SCROLLBARS OnOff SEMICOLON
    static int windowScrollbars(int onOff);
    // WindowStmt : TOOLBAR OnOff SEMICOLON
    static int windowToolbar(int onOff);
    // WindowStmt : LOCATION OnOff SEMICOLON
    static int windowLocation(int onOff);
    // WindowStmt : RESIZABLE OnOff SEMICOLON
    static int windowResizable(int onOff);
    // WindowStmt : WIDTH INTVAL SEMICOLON
    static int windowWidth(int width);
    // WindowStmt : HEIGHT INTVAL SEMICOLON
    static int windowHeight(int height);
};

} // namespace kivparser

#endif
