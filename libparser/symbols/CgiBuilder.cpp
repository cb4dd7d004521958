#include "symbols/CgiBuilder.h"
#include "language/BuilderContext.h"
#include "language/GrammarActions.h"
#include "kivparser/language/MessageCatalog.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/AcceptArgument.h"
#include "kivparser/symbols/IgnoreAction.h"
#include "kivparser/symbols/SnmppvCgi.h"
#include "kivparser/symbols/SnmppvReg.h"

#include <cstdlib>

namespace kivparser {

// The statements of a CGI block act on curSnmppvCgi; an option or an ignored
// application collects its strings in curString. Every function owns the
// texts it receives, also when it fails.

namespace {

using Ctx = BuilderContext;

SnmppvCgi* currentCgi()
{
    return Ctx::current(&KivParser::curSnmppvCgi, CgiBuilder::CHECK_CGI);
}

struct CgiDefinition : Ctx::Definition<SnmppvReg, SnmppvCgi, &SnmppvReg::lookupSnmppvCgi, &SnmppvReg::newSnmppvCgi> {
    static constexpr const char* kind = "CGI";
    static constexpr auto owner = &KivParser::curSnmppvReg;
    static constexpr auto current = &KivParser::curSnmppvCgi;
};

// Hands a text to one of the CGI's text setters.
int setText(void (SnmppvCgi::*setter)(char*), char* text)
{
    SnmppvCgi* cgi = currentCgi();
    if (!cgi) {
        free(text);
        return 1;
    }
    (cgi->*setter)(text);
    return 0;
}

// Hands the value list in curString to one of the CGI's list setters.
int setList(void (SnmppvCgi::*setter)(String*))
{
    SnmppvCgi* cgi = currentCgi();
    String* list = cgi ? Ctx::take(&KivParser::curString, CgiBuilder::CHECK_VALUE_LIST) : nullptr;
    if (!list) {
        GrammarActions::discardValueList();
        return 1;
    }
    (cgi->*setter)(list);
    return 0;
}

// Starts an option or an ignored application of the CGI: a new element in
// `field`, named by `name`.
template <class T>
int beginActionsBlock(T* KivParser::*field, T* (SnmppvCgi::*create)(char*), char* name)
{
    SnmppvCgi* cgi = currentCgi();
    if (!cgi) {
        free(name);
        return 1;
    }
    KivParser::current->*field = (cgi->*create)(name);
    return KivParser::current->*field ? 0 : 1;
}

// Ends an option or an ignored application: a bare semicolon sets `markAll`
// and the list made for the block is dropped; braces hand the list over.
template <class T>
int endActionsBlock(T* KivParser::*field, int bare, void (T::*markAll)(), void (T::*setList)(String*), int where)
{
    T* element = Ctx::current(field, where);
    String* list = element ? Ctx::take(&KivParser::curString, CgiBuilder::CHECK_VALUE_LIST) : nullptr;
    if (!list) {
        GrammarActions::discardValueList();
        return 1;
    }
    KivParser::current->*field = nullptr;
    if (bare) {
        (element->*markAll)();
        SListOps::disposeList(list);
    } else {
        (element->*setList)(list);
    }
    return 0;
}

bool missing(const char* text)
{
    return !text || !*text;
}

const char* textOf(const char* text)
{
    return text ? text : "";
}

} // namespace

int CgiBuilder::startRegistration()
{
    return Ctx::startRoot(&KivParser::curSnmppvReg, CHECK_REGISTRATION);
}

int CgiBuilder::beginCgi(char* name)
{
    return Ctx::beginDefinition<CgiDefinition>(name, CHECK_REGISTRATION);
}

// A CGI without a command or a path stays in the registration; both are
// reported, the command first.
int CgiBuilder::endCgi()
{
    SnmppvCgi* cgi = currentCgi();
    if (!cgi)
        return 1;
    cgi->locked++;
    if (missing(cgi->commandName))
        error(parserMsg(MSG_MISSING_COMMAND), "CGI", textOf(cgi->cgiNameID));
    if (missing(cgi->cgiPath))
        error(parserMsg(MSG_MISSING_CGI_PATH), "CGI", textOf(cgi->cgiNameID));
    KivParser::current->curSnmppvCgi = nullptr;
    return 0;
}

int CgiBuilder::description()
{
    return setList(&SnmppvCgi::setDescriptions);
}

int CgiBuilder::copyright()
{
    return setList(&SnmppvCgi::setCopyrights);
}

int CgiBuilder::version(char* text)
{
    return setText(&SnmppvCgi::setVersion, text);
}

int CgiBuilder::commandName(char* name)
{
    return setText(&SnmppvCgi::setCommandName, name);
}

int CgiBuilder::cgiPath(char* path)
{
    return setText(&SnmppvCgi::setCgiPath, path);
}

int CgiBuilder::iconPath(char* path)
{
    return setText(&SnmppvCgi::setIconPath, path);
}

// Options and ignored applications are added whatever the CGI's locked
// state: a later definition of the CGI extends its lists.
int CgiBuilder::beginOption(char* option)
{
    return beginActionsBlock(&KivParser::curAcceptArgument, &SnmppvCgi::newAcceptArgument, option);
}

int CgiBuilder::endOption(int bare)
{
    return endActionsBlock(&KivParser::curAcceptArgument, bare, &AcceptArgument::setOptionWithoutArgs,
                           &AcceptArgument::setOptionArgs, CHECK_OPTION);
}

int CgiBuilder::beginIgnoreAction(char* application)
{
    return beginActionsBlock(&KivParser::curIgnoreAction, &SnmppvCgi::newIgnoreAction, application);
}

int CgiBuilder::endIgnoreAction(int bare)
{
    return endActionsBlock(&KivParser::curIgnoreAction, bare, &IgnoreAction::setActionNamesAll,
                           &IgnoreAction::setActionNames, CHECK_IGNORE_ACTION);
}

} // namespace kivparser
