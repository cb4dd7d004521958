#ifndef KIVPARSER_LANGUAGE_LINT_H
#define KIVPARSER_LANGUAGE_LINT_H

#include <kivparser/export.h>

namespace kivparser {

class ApplicationRegistration;

// Checks that need the whole merged registration, after a load (or after the
// files of `kivparser check` were parsed into one registration): each finding
// is a warning report (RPT_WARNING) with its rule (DiagnosticRules.h), the
// place to fix and related places, made to the calling thread's report
// handler; without a handler it is printed as a framed warning. Nothing is
// counted on any parser. The places come from the registration's source map
// (see findDefinitions below): an object made outside a parse is reported without
// a place.
//
// `rules` names the linter rules to run (`count` of them; unknown names and
// rules of the parse are ignored); null runs those enabled by default.
// Returns the number of findings. (Added in 0.2.)
KIVPARSER_API int lintApplications(const ApplicationRegistration* reg, const char* const* rules, int count);

// Where an object of a loaded registration was defined or used, as the
// parse met it. `root` is the registration the object belongs to (an
// ApplicationRegistration, SymbolRegistration, FieldRegistration or
// SnmppvReg), `object` the model object (an Application, Menu, PopupMenu,
// MenuBar, Action, DropAction, ParserList, Tab, SymbolClass, SymbolType,
// Field, SnmppvCgi: the place of its name in each block that defines it; an
// entry, MenuItem, PopupItem, ToolbarButton or ListItem: the place of its
// label; a Function: the place of its f.name; for uses the Action, Menu,
// PopupMenu or ParserList that an entry names: the place of that name). Writes at most `max` places into `places` in the order the
// files were read and returns how many there are (which may be more than
// `max`); 0 for an object without entries. The `file` texts live as long as
// the registration. (Added in 0.2.)
struct SourceLocation {
    const char* file; // as the parser named it; null for standard input
    int line;         // 1-based
    int column;       // 1-based, in bytes
    int endLine;      // the end of the name (exclusive)
    int endColumn;
};
KIVPARSER_API int findDefinitions(const void* root, const void* object, SourceLocation* places, int max);
KIVPARSER_API int findUses(const void* root, const void* object, SourceLocation* places, int max);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::lintApplications;
using kivparser::SourceLocation;
using kivparser::findDefinitions;
using kivparser::findUses;
#endif

#endif
