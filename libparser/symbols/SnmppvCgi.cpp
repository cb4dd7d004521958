#include "kivparser/symbols/SnmppvCgi.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/AcceptArgument.h"
#include "kivparser/symbols/IgnoreAction.h"
#include "symbols/NamedList.h"

#include <cstdlib>

namespace kivparser {

SnmppvCgi::SnmppvCgi() : SnmppvCgi(nullptr) {}

SnmppvCgi::SnmppvCgi(char* name)
    : SList(),
      cgiNameID(name),
      descriptions(nullptr),
      copyrights(nullptr),
      version(nullptr),
      commandName(nullptr),
      cgiPath(nullptr),
      iconPath(nullptr),
      acceptArguments(nullptr),
      ignoreActions(nullptr),
      locked(0)
{
}

SnmppvCgi::~SnmppvCgi()
{
    free(cgiNameID);
    SListOps::disposeList(descriptions);
    SListOps::disposeList(copyrights);
    free(version);
    free(commandName);
    free(cgiPath);
    free(iconPath);
    SListOps::disposeList(acceptArguments);
    SListOps::disposeList(ignoreActions);
}

void SnmppvCgi::setDescriptions(String* list)
{
    SListOps::setList(locked, descriptions, list);
}

void SnmppvCgi::setCopyrights(String* list)
{
    SListOps::setList(locked, copyrights, list);
}

void SnmppvCgi::setVersion(char* text)
{
    SListOps::setText(locked, version, text);
}

void SnmppvCgi::setCommandName(char* text)
{
    SListOps::setText(locked, commandName, text);
}

void SnmppvCgi::setCgiPath(char* path)
{
    SListOps::setText(locked, cgiPath, path);
}

void SnmppvCgi::setIconPath(char* path)
{
    SListOps::setText(locked, iconPath, path);
}

// Neither creation looks at `locked` or for an element of the same name: a
// later definition of the CGI adds its options and ignored actions.
AcceptArgument* SnmppvCgi::newAcceptArgument(char* optionName)
{
    return NamedList::appendNew(acceptArguments, optionName);
}

IgnoreAction* SnmppvCgi::newIgnoreAction(char* appName)
{
    return NamedList::appendNew(ignoreActions, appName);
}

} // namespace kivparser
