// Private: included by the dump folder and its tests.
#ifndef KIVPARSER_DUMP_DUMPWRITER_H
#define KIVPARSER_DUMP_DUMPWRITER_H

#include "kivparser/export.h"
#include "language/ParseLock.h"

namespace kivparser {

class String;
class _MenuItem;

// The nesting level of the dump, process-wide: every new output line starts
// with four blanks per level. Every public dump entry point holds the
// ParseLock for its whole run, so that dumps on two threads do not mix their
// levels.
extern int Indent;

// Output helpers shared by every dump: indented lines, blocks, value lists.
class DumpWriter {
public:
    // Prints the indentation, then the formatted text.
    static void line(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
    // Prints the formatted text without indentation (continuing a line).
    static void text(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
    // Prints the indentation only.
    static void indent();
    // A null text prints as empty.
    static const char* str(const char* s) { return s ? s : ""; }
    // Opens a block: the formatted line at the current level, then one level deeper.
    static void open(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
    // Closes a block: one level up, then "}\n".
    static void close();
    // One line per value of a value list, from the head's successor:
    // "%d,\n" for integers, "\"%s\",\n" for texts.
    static void values(String* head);
    // The lines every menu, popup or toolbar entry prints inside its block
    // before its links: the context expression and the function.
    static void entryBody(_MenuItem* entry);
};

} // namespace kivparser

#endif
