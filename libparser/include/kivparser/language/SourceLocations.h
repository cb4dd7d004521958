#ifndef KIVPARSER_LANGUAGE_SOURCELOCATIONS_H
#define KIVPARSER_LANGUAGE_SOURCELOCATIONS_H

#include <kivparser/export.h>

namespace kivparser {

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
using kivparser::SourceLocation;
using kivparser::findDefinitions;
using kivparser::findUses;
#endif

#endif
