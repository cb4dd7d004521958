#ifndef KIVPARSER_LANGUAGE_KIVPARSER_H
#define KIVPARSER_LANGUAGE_KIVPARSER_H

#include <kivparser/export.h>
#include <cstddef>
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

// Registration text held in memory (an editor's buffer, a database column, a
// test): `length` bytes at `text`, read exactly as a file of that content
// named `name` would be (reports name `name`; null: none, as for standard
// input). NUL bytes, carriage returns and a last line without its line feed
// are taken as in a file. The parser reads the text while it is constructed
// and keeps no pointer into it.
struct SourceText {
    const char* name;
    const char* text;
    std::size_t length;
};

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
    // The same, for text held in memory instead of a file.
    KivParser(const SourceText& source, ApplicationRegistration* arf, SymbolRegistration* srf,
              FieldRegistration* frf, SnmppvReg* pvrf, int theVerbose);
    KivParser(const SourceText& source, ApplicationRegistration* arf, int theVerbose);
    KivParser(const SourceText& source, SymbolRegistration* srf, int theVerbose);
    KivParser(const SourceText& source, FieldRegistration* frf, int theVerbose);
    KivParser(const SourceText& source, SnmppvReg* reg, int theVerbose);
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
    void initialize(const SourceText& source);
    // What both forms of initialize share: the per-file state is reset and,
    // when `name` is given, its copy becomes `filename` (false after nomemory).
    bool reset(const char* name);
    void run(const SourceText* source);
    void setRoots(ApplicationRegistration* arf, SymbolRegistration* srf, FieldRegistration* frf,
                  SnmppvReg* pvrf, int theVerbose);

    KivParser(const KivParser&) = delete;
    KivParser& operator=(const KivParser&) = delete;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::KivParser;
using kivparser::SourceText;
#endif

#endif
