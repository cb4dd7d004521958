// Private: included by the grammar and DropActionBuilder.cpp.
#ifndef KIVPARSER_APPLICATION_DROPACTIONBUILDER_H
#define KIVPARSER_APPLICATION_DROPACTIONBUILDER_H

namespace kivparser {

class ParserExpression;

// Grammar actions of drop actions. Conventions as in ApplicationBuilder.h:
// 0 goes on, non-zero ends the parse with result 1; values are taken over.
class DropActionBuilder {
public:
    // The checks of the actions of drop actions: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_APPLICATION = 801,
        CHECK_DROP_ACTION = 802
    };

    // DropAction : DROPACTION DropActionId ^ DropActionBlock
    static int beginDropAction(char* name);
    // DropAction : DROPACTION DropActionId DropActionBlock -- at its end.
    static int endDropAction();
    // DropOperation : OPERATIONS DropOpList SEMICOLON (1 move, 2 copy, or-ed)
    static int operations(int operations);
    // DropSelectionRule : SELECTIONRULE Expression SEMICOLON
    static int selectionRule(ParserExpression* rule);
    // DropHelp : HELPSTRING HelpString SEMICOLON
    static int helpString(char* text);
};

} // namespace kivparser

#endif
