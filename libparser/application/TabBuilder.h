// Private: included by the grammar and TabBuilder.cpp.
#ifndef KIVPARSER_APPLICATION_TABBUILDER_H
#define KIVPARSER_APPLICATION_TABBUILDER_H

namespace kivparser {

// Grammar actions of tabs, lists and list items. Conventions as in
// ApplicationBuilder.h: 0 goes on, non-zero ends the parse with result 1;
// texts are taken over. The active help of each statement is the value list
// in curString (null when the statement has none).
class TabBuilder {
public:
    // The checks of the actions of tabs and lists: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_REGISTRATION = 901,
        CHECK_TAB = 902,
        CHECK_LIST = 903,
        CHECK_ITEMS = 904
    };

    // Tab : TAB Precedence TabID IconStmt ActiveHelpStmt ^ ListBlock (icon may be null)
    static int beginTab(int precedence, char* name, char* icon);
    // Tab : TAB Precedence TabID IconStmt ActiveHelpStmt ListBlock -- at its end.
    static int endTab();
    // List : LIST ListID IconStmt ActiveHelpStmt ^ ListBlock
    static int beginList(char* name, char* icon);
    // List : LIST ListID IconStmt ActiveHelpStmt ListBlock -- at its end.
    static int endList();
    // ListItem : Precedence ListLabel IconStmt ActiveHelpStmt Function SEMICOLON
    // (the function is in curFunction).
    static int listItem(int precedence, char* label, char* icon);
};

} // namespace kivparser

#endif
