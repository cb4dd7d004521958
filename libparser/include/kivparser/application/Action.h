#ifndef KIVPARSER_APPLICATION_ACTION_H
#define KIVPARSER_APPLICATION_ACTION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class Application;
class ParserExpression;
class String;
class Command;
class Window;

// A named operation of one application, run when an entry calls f.action with
// its name. An action first mentioned by an f.action reference is an unlocked
// placeholder that its own block fills; from the end of its first block on it
// is locked and later blocks change nothing.
//
// An action whose definition did not complete cleanly -- a syntax error, memory
// running out or an internal error inside its block, the file ending inside
// it, or the application's block ending early or damaged while the action was
// only a placeholder -- is locked as incomplete: `locked` holds
// INCOMPLETE_DEFINITION, the action keeps what it got, takes nothing from
// later blocks, and actionCertifiedByRole denies it to every role.
class KIVPARSER_API Action final : public SList {
public:
    enum { INCOMPLETE_DEFINITION = -1 };

    Action();
    explicit Action(char* id);
    ~Action();

    Action* next() { return static_cast<Action*>(_next); }

    void setApplication(Application* app);
    // Setters keep the held value (and dispose of the new one) once locked.
    void setSelectionRule(ParserExpression* rule);
    void setNameFields(String* list);
    void setAccesses(String* list);
    void setCommand(Command* cmd);
    void setCallbackArg(char* arg);
    void setDisplayString(char* text);
    void setUrlPath(char* path);
    void setMinSelected(int count);
    void setMaxSelected(int count);
    // The window belongs to the registration; it is only pointed at.
    void setWindow(Window* win);

    // Whether a definition of the action did not complete cleanly.
    bool definitionIncomplete() const { return locked < 0; }

    // The full "Action" block of the registration dump.
    void debugDump();
    // The short block printed under list items.
    void debugDumpShort();

    char* actionID;
    Application* application;
    ParserExpression* selectionRule;
    String* nameFields;
    int minSelected;
    int maxSelected;
    char* callbackArg;
    Command* command;
    char* displayString;
    int locked;
    char* urlPath;
    String* accesses;
    Window* window;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Action;
#endif

#endif
