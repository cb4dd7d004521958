// Private: included by the menu and entry classes of the application folder, and their tests.
#ifndef KIVPARSER_APPLICATION_MENUTRACE_H
#define KIVPARSER_APPLICATION_MENUTRACE_H

namespace kivparser {

// Construction and destruction trace of menus and entries on standard error.
// One switch per module (menus and popup menus, menu bars, entries); all are
// 0 at start and nothing in the library sets them.
extern int menuTraceVerbose;
extern int menuBarTraceVerbose;
extern int menuItemTraceVerbose;

// Prints `format` with `name` ("NONE" when null) when `on` is non-zero.
void menuTrace(int on, const char* format, const char* name);

} // namespace kivparser

#endif
