// Private: included by the language folder and the linter (application/Linter.cpp).
#ifndef KIVPARSER_LANGUAGE_DIAGNOSTICRULENAMES_H
#define KIVPARSER_LANGUAGE_DIAGNOSTICRULENAMES_H

// The names of the diagnostic rules, as the library's code names them; the
// table of DiagnosticRules.cpp describes each. Private to the library.

namespace kivparser {

constexpr const char* RULE_SYNTAX_ERROR = "syntax-error";
constexpr const char* RULE_UNTERMINATED_STRING = "unterminated-string";
constexpr const char* RULE_UNTERMINATED_COMMENT = "unterminated-comment";
constexpr const char* RULE_UNREADABLE_FILE = "unreadable-file";
constexpr const char* RULE_SCANNER_FAILURE = "scanner-failure";
constexpr const char* RULE_OUT_OF_MEMORY = "out-of-memory";
constexpr const char* RULE_INTERNAL_ERROR = "internal-error";
constexpr const char* RULE_DUPLICATE_DEFINITION = "duplicate-definition";
constexpr const char* RULE_SHADOWED_DEFINITION = "shadowed-definition";
constexpr const char* RULE_UNDEFINED_ACTION = "undefined-action";
constexpr const char* RULE_PARENT_SELF = "parent-self";
constexpr const char* RULE_MISSING_TARGET = "missing-target";
constexpr const char* RULE_MISSING_MENU_NAME = "missing-menu-name";
constexpr const char* RULE_MISSING_LIST_NAME = "missing-list-name";
constexpr const char* RULE_DUPLICATE_MENU_ITEM = "duplicate-menu-item";
constexpr const char* RULE_DUPLICATE_LIST_ITEM = "duplicate-list-item";
constexpr const char* RULE_CYCLIC_LINK = "cyclic-link";
constexpr const char* RULE_CONFLICTING_PRECEDENCE = "conflicting-precedence";
constexpr const char* RULE_CONFLICTING_MNEMONIC = "conflicting-mnemonic";
constexpr const char* RULE_CONFLICTING_ICON = "conflicting-icon";
constexpr const char* RULE_MISSING_COMMAND = "missing-command";
constexpr const char* RULE_MISSING_CGI_PATH = "missing-cgi-path";
constexpr const char* RULE_UNDECODABLE_STRING = "undecodable-string";
constexpr const char* RULE_DIRECTORY_ERROR = "directory-error";
constexpr const char* RULE_UNDEFINED_MENU = "undefined-menu";
constexpr const char* RULE_UNDEFINED_POPUP_MENU = "undefined-popup-menu";
constexpr const char* RULE_UNDEFINED_LIST = "undefined-list";
constexpr const char* RULE_UNREACHABLE_MENU = "unreachable-menu";
constexpr const char* RULE_EMPTY_MENU = "empty-menu";
constexpr const char* RULE_SUSPICIOUS_FUNCTION = "suspicious-function";
constexpr const char* RULE_UNUSED_ACTION = "unused-action";

// The rule of catalog message `number` (set 1), null for a message that is
// no diagnostic (progress lines, the frame's words).
const char* ruleOfMessage(int number);

} // namespace kivparser

#endif
