#ifndef KIVPARSER_LANGUAGE_MESSAGECATALOG_H
#define KIVPARSER_LANGUAGE_MESSAGECATALOG_H

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
    MSG_COUNT = 44
};

// The catalog text of message `n` of set `setn`, or `s` when the catalog has
// none. The catalog "libparser" is opened at the first lookup (catopen finds it
// through NLSPATH); texts are looked up only while LANG is set, and cached per
// set for the rest of the process.
char* _libparserMsg(int setn, int n, char* s);

// Number of cache slots the lookup has allocated for set `setn` (for tests).
int _libparserMsgSlots(int setn);

// The text of message `n` of set 1, with the built-in text as the fallback.
const char* parserMsg(int n);

// The built-in text of message `n` of set 1 (empty for unknown numbers).
const char* parserMsgDefault(int n);

#endif
