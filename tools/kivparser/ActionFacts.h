#ifndef KIVPARSER_TOOL_ACTIONFACTS_H
#define KIVPARSER_TOOL_ACTIONFACTS_H

#include <kivparser/kivparser.h>

#include <string>
#include <vector>

// What an action runs and when it may run, in the words a person reads: the
// texts of the JSON tree and of the preview's side panel. Texts are the
// model's bytes; the writers escape them.
class ActionFacts {
public:
    // Where a definition was written: the first block that defines the
    // action, as the library recorded it while loading `root`. `known` is
    // false for an action only named by entries, or made outside a load.
    struct Place {
        bool known = false;
        std::string file;
        int line = 0;
    };

    ActionFacts(kivparser::Action* action, const kivparser::ApplicationRegistration* root);

    kivparser::Action* action;
    bool defined;                    // its block was read (not only named by an entry)
    bool incomplete;                 // its block broke off: no role may run it
    std::string application;         // the application it belongs to
    std::string selectionRule;       // empty: no rule
    std::vector<std::string> access; // the access list: the roles that may run it
    bool accessGiven;                // an access list was written (empty or not)
    bool openToAll;                  // any user may run it, whatever the roles (the library's rule)
    std::vector<std::string> nameFields;
    std::string command;                   // the command line; empty: none
    std::string host;                      // where the command runs; empty: here
    std::string launcher;                  // what starts it there
    std::vector<std::string> commandFlags; // "initial", "shared", "restart", "no symbol deletion"
    std::string window;                    // the web window, in one line; empty: none
    Place place;                           // where the action was defined

    // A selection rule (or any expression) in infix form: operators between
    // their operands, parentheses only where the tree needs them, terms that
    // are not plain names or numbers in double quotes. Trees of any depth.
    static std::string expression(const kivparser::ParserExpression* expression);
    // "limited, 720x480, status on, scrollbars on ..." for a web window.
    static std::string windowText(const kivparser::Window* window);
    // The texts of a value list (numbers in decimal).
    static std::vector<std::string> values(kivparser::String* list);
};

#endif
