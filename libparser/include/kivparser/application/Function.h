#ifndef KIVPARSER_APPLICATION_FUNCTION_H
#define KIVPARSER_APPLICATION_FUNCTION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

// What an entry does when chosen: a shell command (the `!` form) or a named
// function (`f.name` with an optional argument). Exactly one of shellCommand
// and functionType is set in a function built by the grammar.
class KIVPARSER_API Function final : public SList {
public:
    Function();
    Function(char* shellCommand, char* functionType, char* functionArg);
    ~Function();

    Function* next() { return static_cast<Function*>(_next); }

    // True when this is an `f.` function of the given name (any letter case).
    bool isType(const char* name) const;

    // Prints "! command\n" or "f.type \"arg\"\n" (the caller has printed the
    // start of the line).
    void debugDump();
    // An entry's function line of the dump: the indentation, `lead` (for
    // example "Function : ") and the function; nothing at all without one.
    static void debugDumpLine(const char* lead, Function* function);

    char* shellCommand;
    char* functionType;
    char* functionArg;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Function;
#endif

#endif
