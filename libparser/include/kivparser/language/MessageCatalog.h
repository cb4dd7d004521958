#ifndef KIVPARSER_LANGUAGE_MESSAGECATALOG_H
#define KIVPARSER_LANGUAGE_MESSAGECATALOG_H

#include <kivparser/export.h>
namespace kivparser {

// The numbers of the texts of set 1 of the catalog "libparser".
enum ParserMsgId {
    MSG_CANT_OPEN = 1,
    MSG_OUT_OF_MEMORY = 2,
    MSG_LINE = 3,
    MSG_FILE = 4,
    MSG_WARNING = 5,
    MSG_ERROR = 6,
    MSG_INTERNAL = 7,
    MSG_PARENT_SELF = 8,
    MSG_ACTION_NOT_DEFINED = 9,
    MSG_MISSING_MENU_NAME = 10,
    MSG_DUP_MENUITEM_CASCADE = 11,
    MSG_DUP_MENUITEM = 12,
    MSG_MISSING_LIST_NAME = 13,
    MSG_DUP_LISTITEM = 14,
    MSG_MISSING_COMMAND = 15,
    MSG_MISSING_CGI_PATH = 16,
    MSG_ERROR_PAIR = 17,
    MSG_PATH_TOO_LONG = 18,
    MSG_DIR_NOT_FOUND = 19,
    MSG_MENUBAR_PRECEDENCE = 20,
    MSG_MENUBAR_MNEMONIC = 21,
    MSG_FACTION_NO_NAME = 22,
    MSG_FMENU_NO_NAME = 23,
    MSG_FMENU_CYCLE = 24,
    MSG_FLIST_NO_NAME = 25,
    MSG_FLIST_CYCLE = 26,
    MSG_TAB_PRECEDENCE = 27,
    MSG_ICON_NAME = 28,
    MSG_NO_SYMBOL_FILES = 29,
    MSG_NO_SYMBOL_CLASSES = 30,
    MSG_ARF_PATH = 31,
    MSG_ARF_PRIORITY_FILE = 32,
    MSG_ARF_PRIORITY_ORGANIZATION = 33,
    MSG_ARF_PRIORITY_CLASS = 34,
    MSG_ARF_PRIORITY_APPLICATION = 35,
    MSG_PARSING = 36,
    MSG_FILE_COUNTS = 37,
    MSG_TOTAL_COUNTS = 38,
    MSG_SRF_PATH = 39,
    MSG_FRF_PATH = 40,
    MSG_SVRF_PATH = 41,
    MSG_DUPLICATE = 42,
    MSG_TEMPLATE_OPEN = 43,
    MSG_STYLE_CREATE = 44,
    MSG_STRING_CUT = 45,
    MSG_COUNT = 45
};

// The catalog text of message `n` of set `setn`, or `s` when the catalog has
// none. The catalog "libparser" is opened at the first lookup (catopen finds it
// through NLSPATH); texts are looked up only while LANG is set, and cached per
// set for the rest of the process.
KIVPARSER_API char* _libparserMsg(int setn, int n, char* s);

// The text of message `n` of set 1, with the built-in text as the fallback.
KIVPARSER_API const char* parserMsg(int n);

// The built-in text of message `n` of set 1 (empty for unknown numbers).
KIVPARSER_API const char* parserMsgDefault(int n);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ParserMsgId;
using kivparser::MSG_CANT_OPEN;
using kivparser::MSG_OUT_OF_MEMORY;
using kivparser::MSG_LINE;
using kivparser::MSG_FILE;
using kivparser::MSG_WARNING;
using kivparser::MSG_ERROR;
using kivparser::MSG_INTERNAL;
using kivparser::MSG_PARENT_SELF;
using kivparser::MSG_ACTION_NOT_DEFINED;
using kivparser::MSG_MISSING_MENU_NAME;
using kivparser::MSG_DUP_MENUITEM_CASCADE;
using kivparser::MSG_DUP_MENUITEM;
using kivparser::MSG_MISSING_LIST_NAME;
using kivparser::MSG_DUP_LISTITEM;
using kivparser::MSG_MISSING_COMMAND;
using kivparser::MSG_MISSING_CGI_PATH;
using kivparser::MSG_ERROR_PAIR;
using kivparser::MSG_PATH_TOO_LONG;
using kivparser::MSG_DIR_NOT_FOUND;
using kivparser::MSG_MENUBAR_PRECEDENCE;
using kivparser::MSG_MENUBAR_MNEMONIC;
using kivparser::MSG_FACTION_NO_NAME;
using kivparser::MSG_FMENU_NO_NAME;
using kivparser::MSG_FMENU_CYCLE;
using kivparser::MSG_FLIST_NO_NAME;
using kivparser::MSG_FLIST_CYCLE;
using kivparser::MSG_TAB_PRECEDENCE;
using kivparser::MSG_ICON_NAME;
using kivparser::MSG_NO_SYMBOL_FILES;
using kivparser::MSG_NO_SYMBOL_CLASSES;
using kivparser::MSG_ARF_PATH;
using kivparser::MSG_ARF_PRIORITY_FILE;
using kivparser::MSG_ARF_PRIORITY_ORGANIZATION;
using kivparser::MSG_ARF_PRIORITY_CLASS;
using kivparser::MSG_ARF_PRIORITY_APPLICATION;
using kivparser::MSG_PARSING;
using kivparser::MSG_FILE_COUNTS;
using kivparser::MSG_TOTAL_COUNTS;
using kivparser::MSG_SRF_PATH;
using kivparser::MSG_FRF_PATH;
using kivparser::MSG_SVRF_PATH;
using kivparser::MSG_DUPLICATE;
using kivparser::MSG_TEMPLATE_OPEN;
using kivparser::MSG_STYLE_CREATE;
using kivparser::MSG_STRING_CUT;
using kivparser::MSG_COUNT;
using kivparser::_libparserMsg;
using kivparser::parserMsg;
using kivparser::parserMsgDefault;
#endif

#endif
