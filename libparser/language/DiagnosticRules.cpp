#include "kivparser/language/DiagnosticRules.h"
#include "kivparser/language/MessageCatalog.h"
#include "language/DiagnosticRuleNames.h"

#include <cstring>

namespace kivparser {

namespace {

// The order is part of the interface (diagnosticRule(index)): new rules go
// at the end of their group.
const DiagnosticRule rules[] = {
    {RULE_SYNTAX_ERROR, 0, 1, "the text does not follow the language"},
    {RULE_UNTERMINATED_STRING, 0, 1, "a string runs to the end of the file"},
    {RULE_UNTERMINATED_COMMENT, 0, 1, "a comment runs to the end of the file"},
    {RULE_UNREADABLE_FILE, 0, 1, "a file cannot be opened or read"},
    {RULE_SCANNER_FAILURE, 0, 1, "the scanner gave up the file"},
    {RULE_OUT_OF_MEMORY, 0, 1, "memory ran out"},
    {RULE_INTERNAL_ERROR, 0, 1, "an internal consistency check failed"},
    {RULE_DUPLICATE_DEFINITION, 0, 1, "a block defines a name that the same file defined before"},
    {RULE_SHADOWED_DEFINITION, 0, 1, "a block is ignored because an earlier file defined the name"},
    {RULE_UNDEFINED_ACTION, 0, 1, "f.action names an action that its application never defines"},
    {RULE_PARENT_SELF, 0, 1, "an application names itself as its parent"},
    {RULE_MISSING_TARGET, 0, 1, "f.action, f.menu or f.list without a name"},
    {RULE_MISSING_MENU_NAME, 0, 1, "an entry replacing a cascade names no menu"},
    {RULE_MISSING_LIST_NAME, 0, 1, "a list item replacing a link names no list"},
    {RULE_DUPLICATE_MENU_ITEM, 0, 1, "a menu entry repeats a label without adding an action"},
    {RULE_DUPLICATE_LIST_ITEM, 0, 1, "a list item repeats a label"},
    {RULE_CYCLIC_LINK, 0, 1, "f.menu or f.list would make a menu contain itself"},
    {RULE_CONFLICTING_PRECEDENCE, 0, 1, "a menu bar or tab is given another precedence"},
    {RULE_CONFLICTING_MNEMONIC, 0, 1, "a menu bar is given another mnemonic"},
    {RULE_CONFLICTING_ICON, 0, 1, "a tab or list is given another icon"},
    {RULE_MISSING_COMMAND, 0, 1, "a CGI program has no command"},
    {RULE_MISSING_CGI_PATH, 0, 1, "a CGI program has no CGI path"},
    {RULE_UNDECODABLE_STRING, 0, 1, "a string holds bytes that do not decode in the locale"},
    {RULE_DIRECTORY_ERROR, 0, 1, "a registration directory cannot be searched"},
    {RULE_UNDEFINED_MENU, 1, 1, "f.menu names a menu that no block defines"},
    {RULE_UNDEFINED_POPUP_MENU, 1, 1, "a popup item names a popup menu that no block defines"},
    {RULE_UNDEFINED_LIST, 1, 1, "f.list names a list that no block defines"},
    {RULE_UNREACHABLE_MENU, 1, 1, "a menu block that no entry names"},
    {RULE_EMPTY_MENU, 1, 1, "a menu bar or menu without entries"},
    {RULE_SUSPICIOUS_FUNCTION, 1, 1, "a function name that looks like a misspelt f.action, f.menu or f.list"},
    {RULE_UNUSED_ACTION, 1, 0, "an action that no entry names"},
};

const int ruleCount = static_cast<int>(sizeof rules / sizeof rules[0]);

} // namespace

int diagnosticRuleCount()
{
    return ruleCount;
}

const DiagnosticRule* diagnosticRule(int index)
{
    return index >= 0 && index < ruleCount ? &rules[index] : nullptr;
}

const DiagnosticRule* findDiagnosticRule(const char* name)
{
    if (!name)
        return nullptr;
    for (const DiagnosticRule& rule : rules) {
        if (std::strcmp(rule.name, name) == 0)
            return &rule;
    }
    return nullptr;
}

const char* ruleOfMessage(int number)
{
    switch (number) {
    case MSG_CANT_OPEN:
        return RULE_UNREADABLE_FILE;
    case MSG_OUT_OF_MEMORY:
        return RULE_OUT_OF_MEMORY;
    case MSG_INTERNAL:
        return RULE_INTERNAL_ERROR;
    case MSG_PARENT_SELF:
        return RULE_PARENT_SELF;
    case MSG_ACTION_NOT_DEFINED:
        return RULE_UNDEFINED_ACTION;
    case MSG_MISSING_MENU_NAME:
        return RULE_MISSING_MENU_NAME;
    case MSG_DUP_MENUITEM_CASCADE:
    case MSG_DUP_MENUITEM:
        return RULE_DUPLICATE_MENU_ITEM;
    case MSG_MISSING_LIST_NAME:
        return RULE_MISSING_LIST_NAME;
    case MSG_DUP_LISTITEM:
        return RULE_DUPLICATE_LIST_ITEM;
    case MSG_MISSING_COMMAND:
        return RULE_MISSING_COMMAND;
    case MSG_MISSING_CGI_PATH:
        return RULE_MISSING_CGI_PATH;
    case MSG_ERROR_PAIR:
    case MSG_PATH_TOO_LONG:
    case MSG_DIR_NOT_FOUND:
        return RULE_DIRECTORY_ERROR;
    case MSG_MENUBAR_PRECEDENCE:
    case MSG_TAB_PRECEDENCE:
        return RULE_CONFLICTING_PRECEDENCE;
    case MSG_MENUBAR_MNEMONIC:
        return RULE_CONFLICTING_MNEMONIC;
    case MSG_FACTION_NO_NAME:
    case MSG_FMENU_NO_NAME:
    case MSG_FLIST_NO_NAME:
        return RULE_MISSING_TARGET;
    case MSG_FMENU_CYCLE:
    case MSG_FLIST_CYCLE:
        return RULE_CYCLIC_LINK;
    case MSG_ICON_NAME:
        return RULE_CONFLICTING_ICON;
    case MSG_DUPLICATE:
        return RULE_DUPLICATE_DEFINITION;
    case MSG_STRING_CUT:
        return RULE_UNDECODABLE_STRING;
    default:
        return nullptr;
    }
}

} // namespace kivparser
