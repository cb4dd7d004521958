#ifndef KIVPARSER_APPLICATION_DROPACTION_H
#define KIVPARSER_APPLICATION_DROPACTION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class ParserExpression;

// Bits of DropAction::dropOp.
enum DropOpBits { DROP_OP_MOVE = 1, DROP_OP_COPY = 2 };

// What an application does with objects dropped on it: the accepted
// operations, the objects it applies to and a help text. Locked after its
// first complete block; later blocks of the same name change nothing.
class KIVPARSER_API DropAction final : public SList {
public:
    DropAction();
    explicit DropAction(char* id);
    ~DropAction();

    // Replaces (does not add to) the operation set; ignored when locked.
    void setDropOp(unsigned long ops);
    // Locked: the argument is destroyed; otherwise it replaces the held value.
    void setSelectionRule(ParserExpression* rule);
    void setHelpString(char* text);

    DropAction* next() { return static_cast<DropAction*>(_next); }

    // "DropAction \"name\" {" block at the current indentation; nothing for a list
    // head (no name).
    void debugDump();

    char* dropActionID;
    unsigned long dropOp;
    ParserExpression* selectionRule;
    char* helpString;
    int locked;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::DropOpBits;
using kivparser::DROP_OP_MOVE;
using kivparser::DROP_OP_COPY;
using kivparser::DropAction;
#endif

#endif
