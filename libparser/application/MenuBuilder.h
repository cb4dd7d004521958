// Private: included by the grammar and the application builders.
#ifndef KIVPARSER_APPLICATION_MENUBUILDER_H
#define KIVPARSER_APPLICATION_MENUBUILDER_H

namespace kivparser {

// Grammar actions of menu bars, menus, popup menus, menu items, popup items,
// toolbar buttons, labels, context expressions and target symbol types.
// Conventions as in ApplicationBuilder.h: 0 goes on, non-zero ends the parse
// with result 1; texts are taken over; results through out-parameters.
class MenuBuilder {
public:
    // The checks of the actions of menu bars, menus, popup menus and their entries: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_MENU_BAR = 200,
        CHECK_END_MENU_BAR = 201,
        CHECK_MENU = 202,
        CHECK_END_MENU = 203,
        CHECK_POPUP_MENU = 204,
        CHECK_END_POPUP_MENU = 205,
        CHECK_MENU_ITEM = 206,
        CHECK_POPUP_ITEM = 207,
        CHECK_POPUP_MENU_ITEM = 208,
        CHECK_TOOLBAR_BUTTON = 209
    };

    // MenuBar : MENUBAR Precedence MenuID Mnemonic ^ MenuBlock (precedence -1
    // when none was given, mnemonic may be null).
    static int beginMenuBar(int precedence, char* name, char* mnemonic);
    // MenuBar : MENUBAR Precedence MenuID Mnemonic MenuBlock -- at its end.
    static int endMenuBar();
    // Menu : MENU MenuID ^ MenuBlock
    static int beginMenu(char* name);
    // Menu : MENU MenuID MenuBlock -- at its end.
    static int endMenu();
    // PopupMenu : POPUP_MENU MenuID ^ PopupMenuBlock
    static int beginPopupMenu(char* name);
    // PopupMenu : POPUP_MENU MenuID PopupMenuBlock -- at its end.
    static int endPopupMenu();

    // MenuItem : Precedence Label Mnemonic Accelerator ContextExprOpt Function SEMICOLON
    // (the function is in curFunction; mnemonic, accelerator, context may be null).
    static int menuItem(int precedence, char* label, char* mnemonic, char* accelerator, char* context);
    // PopupItem : POPUP_ITEM Precedence Label ContextExpr TargetSymbolType Function SEMICOLON
    static int popupItem(int precedence, char* label, char* context, char* targetSymbolType);
    // PopupMenuItem : Precedence Label ContextExpr TargetSymbolType Function SEMICOLON
    static int popupMenuItem(int precedence, char* label, char* context, char* targetSymbolType);
    // ToolbarButton : BUTTON Precedence Label ContextExpr Function SEMICOLON
    static int toolbarButton(int precedence, char* label, char* context);

    // Label : STRING -- *label becomes the label text.
    static int textLabel(char* text, char** label);
    // Label : Bitmap -- *label becomes the bitmap path.
    static int bitmapLabel(char* path, char** label);

    // CtxtExpr : CtxtExpr OP_AND CtxtExpr -- *joined becomes left "&&" right.
    static int contextAnd(char* left, char* right, char** joined);
    // CtxtExpr : CtxtExpr OP_OR CtxtExpr -- *joined becomes left "||" right.
    static int contextOr(char* left, char* right, char** joined);
    // CtxtExpr : LPAREN CtxtExpr RPAREN -- *joined becomes "(" inner ")".
    static int contextParenthesized(char* inner, char** joined);

    // TargetSymbolType : TARG_SYMB_TYPE ANY
    static int targetAny(char** target);
    // TargetSymbolType : TARG_SYMB_TYPE SYMBOLALERT COLON ANY
    static int targetAnySymbolAlert(char** target);
    // TargetSymbolType : TARG_SYMB_TYPE SYMBOLALERT COLON SymbolAlertTypeName (name may be null)
    static int targetSymbolAlert(char* name, char** target);
    // TargetSymbolType : TARG_SYMB_TYPE SymClassName COLON ANY
    static int targetAnyOfClass(char* symbolClass, char** target);
    // TargetSymbolType : TARG_SYMB_TYPE SymClassName COLON SymbolName
    static int targetSymbolType(char* symbolClass, char* symbolType, char** target);

    // Disposes of the entries a popup-menu block collected but did not hand
    // to its popup menu (the block failed), and clears curPopupMenu.
    static void discardCollected();
};

} // namespace kivparser

#endif
