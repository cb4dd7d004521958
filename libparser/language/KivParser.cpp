#include "kivparser/language/KivParser.h"
#include "language/EntryGuard.h"
#include "language/GrammarActions.h"
#include "language/Lex.h"
#include "language/grammar.tab.h"
#include "language/ParseDamage.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "language/SourceMap.h"
#include "lists/LoadScope.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "platform/KzPlatform.h"

#include <cerrno>
#include <cstdlib>

namespace kivparser {

KivParser* KivParser::current = nullptr;
int KivParser::started = 0;

KivParser::KivParser()
{
    setRoots(nullptr, nullptr, nullptr, nullptr, 0);
    initialize(nullptr);
}

KivParser::KivParser(char* path, ApplicationRegistration* arf, SymbolRegistration* srf, FieldRegistration* frf,
                     SnmppvReg* pvrf, int theVerbose)
{
    setRoots(arf, srf, frf, pvrf, theVerbose);
    initialize(path);
}

KivParser::KivParser(char* path, ApplicationRegistration* arf, int theVerbose)
    : KivParser(path, arf, nullptr, nullptr, nullptr, theVerbose)
{
}

KivParser::KivParser(char* path, SymbolRegistration* srf, int theVerbose)
    : KivParser(path, nullptr, srf, nullptr, nullptr, theVerbose)
{
}

KivParser::KivParser(char* path, FieldRegistration* frf, int theVerbose)
    : KivParser(path, nullptr, nullptr, frf, nullptr, theVerbose)
{
}

KivParser::KivParser(char* path, SnmppvReg* reg, int theVerbose)
    : KivParser(path, nullptr, nullptr, nullptr, reg, theVerbose)
{
}

KivParser::KivParser(const SourceText& source, ApplicationRegistration* arf, SymbolRegistration* srf,
                     FieldRegistration* frf, SnmppvReg* pvrf, int theVerbose)
{
    setRoots(arf, srf, frf, pvrf, theVerbose);
    initialize(source);
}

KivParser::KivParser(const SourceText& source, ApplicationRegistration* arf, int theVerbose)
    : KivParser(source, arf, nullptr, nullptr, nullptr, theVerbose)
{
}

KivParser::KivParser(const SourceText& source, SymbolRegistration* srf, int theVerbose)
    : KivParser(source, nullptr, srf, nullptr, nullptr, theVerbose)
{
}

KivParser::KivParser(const SourceText& source, FieldRegistration* frf, int theVerbose)
    : KivParser(source, nullptr, nullptr, frf, nullptr, theVerbose)
{
}

KivParser::KivParser(const SourceText& source, SnmppvReg* reg, int theVerbose)
    : KivParser(source, nullptr, nullptr, nullptr, reg, theVerbose)
{
}

KivParser::~KivParser()
{
    ParseLock lock;
    if (fp)
        fclose_new(fp);
    free(filename);
    if (current == this)
        current = nullptr;
}

void KivParser::setRoots(ApplicationRegistration* arf, SymbolRegistration* srf, FieldRegistration* frf,
                         SnmppvReg* pvrf, int theVerbose)
{
    curAppReg = arf;
    curSymReg = srf;
    curFldReg = frf;
    curSnmppvReg = pvrf;
    verbose = theVerbose;
}

namespace {

// The parser at work on this thread, for the model objects made during its
// parse; null outside a parse. (`current` goes on naming the parser most
// recently initialised, for everything that reads it as it always did.)
thread_local KivParser* atWork = nullptr;

// Names the parser at work for the length of a parse.
class AtWork {
public:
    explicit AtWork(KivParser* parser) : previous(atWork) { atWork = parser; }
    ~AtWork() { atWork = previous; }
    AtWork(const AtWork&) = delete;
    AtWork& operator=(const AtWork&) = delete;

private:
    KivParser* previous;
};

} // namespace

KivParser* KivParser::parserAtWork()
{
    return atWork;
}

// Every constructor parses here, holding the parse lock throughout.
void KivParser::initialize(char* path)
{
    ParseLock lock;
    AtWork working(this);
    if (!reset(path))
        return;
    if (path) {
        int reason = 0;
        fp = _KZopenRegularFile(filename, &reason);
        if (!fp) {
            // A stream without memory for its buffer is memory running out,
            // not a file that cannot be read.
            if (reason == ENOMEM)
                nomemory();
            else
                reportCantOpen(filename, reason);
            return;
        }
    }
    run(nullptr);
}

void KivParser::initialize(const SourceText& source)
{
    ParseLock lock;
    AtWork working(this);
    if (reset(source.name))
        run(&source);
}

bool KivParser::reset(const char* name)
{
    ParseDamage::reset();
    SourceMap::startParse();
    current = this;
    warnings = 0;
    errors = 0;
    lineno = 1;
    filename = nullptr;
    fp = nullptr;
    ok = 0;
    curApplication = nullptr;
    curString = nullptr;
    curCommand = nullptr;
    curMenuItem = nullptr;
    curFunction = nullptr;
    curAction = nullptr;
    curEnrollment = nullptr;
    curRule = nullptr;
    curFieldEnrollment = nullptr;
    curDropAction = nullptr;
    curIsBitmap = 0;
    curMenuBar = nullptr;
    curMenu = nullptr;
    curPopupMenu = nullptr;
    curTab = nullptr;
    curList = nullptr;
    curWindow = nullptr;
    curSymbolClass = nullptr;
    curCapability = nullptr;
    curLine = nullptr;
    curPoint = nullptr;
    curSymbolType = nullptr;
    curDashLength = nullptr;
    curField = nullptr;
    curSnmppvCgi = nullptr;
    curAcceptArgument = nullptr;
    curIgnoreAction = nullptr;
    if (!name)
        return true;
    filename = _strdup(name);
    if (!filename)
        nomemory();
    return filename != nullptr;
}

// The first parser of the process sets the scanner's input, every later one
// restarts the scanner on its own stream (or text).
void KivParser::run(const SourceText* source)
{
    LoadScope scope;
    if (source)
        lexNewText(source->text, source->length);
    else
        lexNewInput(fp);
    guarded(0, [this] { return parse(); });
    ok = errors == 0 ? 1 : 0;
}

int KivParser::parse()
{
    int result = KIVyyparse();
    if (lexAbandoned() || ParseDamage::givenUp())
        result = 1;
    GrammarActions::discardUnfinished();
    return result;
}

} // namespace kivparser
