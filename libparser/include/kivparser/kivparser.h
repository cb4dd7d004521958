#ifndef KIVPARSER_KIVPARSER_H
#define KIVPARSER_KIVPARSER_H

// The whole public interface of kivparser: the object model with its
// operations, the parser driver and its reports, the loaders, the dumps (text
// and JSON), the web style sheet and icon URLs, and the version.
//
// Every name lives in namespace kivparser. Unless KIVPARSER_NO_GLOBAL_NAMES is
// defined before the first kivparser header, each header also declares its
// names at global scope (using-declarations), so that code written against
// the plain names (String, Menu, loadArf...) compiles as it is.

#if !defined(__cplusplus) || __cplusplus < 201703L
#error "kivparser needs C++17 or later (-std=c++17)"
#endif

#include <kivparser/version.h>

// --- lists: the list element every model class derives from, value lists ---
#include <kivparser/lists/SList.h>
#include <kivparser/lists/PSList.h>
#include <kivparser/lists/String.h>
#include <kivparser/lists/ValueTypes.h>
#include <kivparser/lists/Elements.h>

// --- language: the parser driver, its reports, the message catalog ---
#include <kivparser/language/KivParser.h>
#include <kivparser/language/ParserErr.h>
#include <kivparser/language/MessageCatalog.h>
#include <kivparser/language/ParserReport.h>
#include <kivparser/language/DiagnosticRules.h>
#include <kivparser/language/SourceLocations.h>

// --- application registrations ---
#include <kivparser/application/ApplicationRegistration.h>
#include <kivparser/application/Application.h>
#include <kivparser/application/Command.h>
#include <kivparser/application/Function.h>
#include <kivparser/application/ParserExpression.h>
#include <kivparser/application/Action.h>
#include <kivparser/application/Window.h>
#include <kivparser/application/_Menu.h>
#include <kivparser/application/Menu.h>
#include <kivparser/application/PopupMenu.h>
#include <kivparser/application/MenuBar.h>
#include <kivparser/application/_MenuItem.h>
#include <kivparser/application/MenuItem.h>
#include <kivparser/application/PopupItem.h>
#include <kivparser/application/ToolbarButton.h>
#include <kivparser/application/Enrollment.h>
#include <kivparser/application/Rule.h>
#include <kivparser/application/FieldEnrollment.h>
#include <kivparser/application/DropAction.h>
#include <kivparser/application/_ParserList.h>
#include <kivparser/application/Tab.h>
#include <kivparser/application/ParserList.h>
#include <kivparser/application/ListItem.h>
#include <kivparser/application/Lint.h>

// --- symbol, field and CGI registrations ---
#include <kivparser/symbols/SymbolRegistration.h>
#include <kivparser/symbols/Symbol.h>
#include <kivparser/symbols/SymbolClass.h>
#include <kivparser/symbols/SymbolType.h>
#include <kivparser/symbols/Point.h>
#include <kivparser/symbols/Capability.h>
#include <kivparser/symbols/Line.h>
#include <kivparser/symbols/FieldRegistration.h>
#include <kivparser/symbols/Field.h>
#include <kivparser/symbols/SnmppvReg.h>
#include <kivparser/symbols/SnmppvCgi.h>
#include <kivparser/symbols/AcceptArgument.h>
#include <kivparser/symbols/IgnoreAction.h>
#include <kivparser/symbols/FilePath.h>

// --- loading: file discovery, the loaders, priorities and roles ---
#include <kivparser/loading/FileList.h>
#include <kivparser/loading/KivparserUtil.h>

// --- dump: the registrations as JSON documents ---
#include <kivparser/dump/JsonExport.h>

// --- web: the style sheet, icon URLs, URL path escaping ---
#include <kivparser/web/KivParserNative.h>
#include <kivparser/web/UrlPathConv.h>

#endif
