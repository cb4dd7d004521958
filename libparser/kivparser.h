#ifndef KIVPARSER_KIVPARSER_H
#define KIVPARSER_KIVPARSER_H

// Everything the library exports. Each folder keeps its own section.

// --- lists ---
#include "lists/SList.h"
#include "lists/PSList.h"
#include "lists/String.h"
#include "lists/SListOps.h"
#include "lists/SListIndex.h"
#include "lists/ValueTypes.h"

// --- platform ---
#include "platform/KzPlatform.h"
#include "platform/KzDirectory.h"
#include "platform/KzEnvironment.h"

// --- language ---
#include "language/KivParser.h"
#include "language/ParserErr.h"
#include "language/MessageCatalog.h"
#include "language/GrammarActions.h"
#include "language/Lex.h"
#include "language/TokenScan.h"

// --- application ---
#include "application/Application.h"
#include "application/ApplicationRegistration.h"
#include "application/Command.h"
#include "application/Function.h"
#include "application/ParserExpression.h"
#include "application/Action.h"
#include "application/Window.h"
#include "application/_Menu.h"
#include "application/Menu.h"
#include "application/PopupMenu.h"
#include "application/MenuBar.h"
#include "application/_MenuItem.h"
#include "application/MenuItem.h"
#include "application/PopupItem.h"
#include "application/ToolbarButton.h"
#include "application/MenuTrace.h"

// --- application (enrollments, drop actions, tabs, lists, folding) ---
#include "application/Enrollment.h"
#include "application/Rule.h"
#include "application/FieldEnrollment.h"
#include "application/DropAction.h"
#include "application/_ParserList.h"
#include "application/Tab.h"
#include "application/ParserList.h"
#include "application/ListItem.h"

// --- symbols, fields and CGI ---
#include "symbols/Symbol.h"
#include "symbols/SymbolClass.h"
#include "symbols/SymbolType.h"
#include "symbols/Point.h"
#include "symbols/Capability.h"
#include "symbols/Line.h"
#include "symbols/SymbolRegistration.h"
#include "symbols/Field.h"
#include "symbols/FieldRegistration.h"
#include "symbols/SnmppvCgi.h"
#include "symbols/SnmppvReg.h"
#include "symbols/AcceptArgument.h"
#include "symbols/IgnoreAction.h"
#include "symbols/FilePath.h"
#include "symbols/NamedList.h"

// --- loading ---
#include "loading/FileList.h"
#include "loading/KivparserUtil.h"

// --- web ---
#include "web/UrlPathConv.h"
#include "web/KivParserNative.h"
// The Java bridge (platform/KzJava.h) needs <jni.h> and serves only the
// library's own native methods; it is not part of this header.

// --- dump ---
#include "dump/DumpWriter.h"

#endif
