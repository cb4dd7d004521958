#ifndef KIVPARSER_LANGUAGE_KIVPARSER_H
#define KIVPARSER_LANGUAGE_KIVPARSER_H

#include <kivparser/export.h>
#include <cstdio>

namespace kivparser {

class ApplicationRegistration;
class Application;
class String;
class Command;
class _MenuItem;
class Function;
class Action;
class Enrollment;
class Rule;
class FieldEnrollment;
class DropAction;
class MenuBar;
class Menu;
class PopupMenu;
class Tab;
class ParserList;
class Window;
class SymbolRegistration;
class SymbolClass;
class Capability;
class Line;
class Point;
class SymbolType;
class FieldRegistration;
class Field;
class SnmppvReg;
class SnmppvCgi;
class AcceptArgument;
class IgnoreAction;

// Reads one registration file into the object model. The whole parse runs
// inside the constructor; afterwards the object carries the counts and the
// roots. The current-object fields hand partly built objects from one grammar
// action to the next; they own nothing. The scanner and the grammar engine
// exist once per process: the constructors (and the destructor) hold the
// library's parse lock, so parsers built on several threads parse one after
// the other.
class KIVPARSER_API KivParser {
public:
    KivParser();
    KivParser(char* path, ApplicationRegistration* arf, SymbolRegistration* srf, FieldRegistration* frf,
              SnmppvReg* pvrf, int theVerbose);
    KivParser(char* path, ApplicationRegistration* arf, int theVerbose);
    KivParser(char* path, SymbolRegistration* srf, int theVerbose);
    KivParser(char* path, FieldRegistration* frf, int theVerbose);
    KivParser(char* path, SnmppvReg* reg, int theVerbose);
    ~KivParser();

    int parse();

    ApplicationRegistration* getAppReg() { return curAppReg; }
    SymbolRegistration* getSymReg() { return curSymReg; }
    FieldRegistration* getFldReg() { return curFldReg; }
    SnmppvReg* getSnmppvReg() { return curSnmppvReg; }

    char* filename;
    int lineno;
    FILE* fp;
    int ok;
    int errors;
    int warnings;
    int verbose;

    ApplicationRegistration* curAppReg;
    Application* curApplication;
    String* curString;
    Command* curCommand;
    _MenuItem* curMenuItem;
    Function* curFunction;
    Action* curAction;
    Enrollment* curEnrollment;
    Rule* curRule;
    FieldEnrollment* curFieldEnrollment;
    DropAction* curDropAction;
    int curIsBitmap;
    MenuBar* curMenuBar;
    Menu* curMenu;
    PopupMenu* curPopupMenu;
    Tab* curTab;
    ParserList* curList;
    Window* curWindow;

    SymbolRegistration* curSymReg;
    SymbolClass* curSymbolClass;
    Capability* curCapability;
    Line* curLine;
    Point* curPoint;
    SymbolType* curSymbolType;
    String* curDashLength;

    FieldRegistration* curFldReg;
    Field* curField;

    SnmppvReg* curSnmppvReg;
    SnmppvCgi* curSnmppvCgi;
    AcceptArgument* curAcceptArgument;
    IgnoreAction* curIgnoreAction;

    // The parser most recently initialised; the scanner, the diagnostics and
    // the model reach the parser at work through it.
    static KivParser* current;
    // Non-zero once a parser has handed its stream to the scanner.
    static int started;

    // The parser whose parse is running on the calling thread, null when
    // none is: model objects made outside a parse (by a host, on any thread)
    // belong to no application.
    static KivParser* parserAtWork();

private:
    void initialize(char* path);
    void setRoots(ApplicationRegistration* arf, SymbolRegistration* srf, FieldRegistration* frf,
                  SnmppvReg* pvrf, int theVerbose);

    KivParser(const KivParser&) = delete;
    KivParser& operator=(const KivParser&) = delete;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::KivParser;
#endif

#endif
