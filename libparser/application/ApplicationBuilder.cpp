#include "application/ApplicationBuilder.h"
#include "application/Action.h"
#include "application/Application.h"
#include "application/ApplicationRegistration.h"
#include "application/BuilderContext.h"
#include "application/Command.h"
#include "application/Function.h"
#include "application/MenuBuilder.h"
#include "language/KivParser.h"
#include "language/MessageCatalog.h"
#include "language/ParserErr.h"
#include "lists/SListOps.h"
#include "lists/String.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Numbers of the consistency checks reported through internal().
enum {
    CHECK_REGISTRATION = 100,
    CHECK_BEGIN_APPLICATION = 101,
    CHECK_END_APPLICATION = 102,
    CHECK_SETTING = 103,
    CHECK_VALUE_LIST = 104,
    CHECK_COMMAND = 105,
    CHECK_FUNCTION = 106,
};

// The current application for a setting statement; the value is released
// when there is none.
template <class Value, class Dispose>
Application* settingOwner(Value value, Dispose dispose)
{
    Application* app = BuilderContext::application(CHECK_SETTING);
    if (!app)
        dispose(value);
    return app;
}

void freeText(char* text)
{
    free(text);
}

// Hands the value list collected in curString to `store` of the current
// application.
int handValueList(void (Application::*store)(String*))
{
    Application* app = BuilderContext::application(CHECK_SETTING);
    if (!app)
        return 1;
    String* list = BuilderContext::takeValueList(CHECK_VALUE_LIST);
    if (!list)
        return 1;
    (app->*store)(list);
    return 0;
}

int handText(void (Application::*store)(char*), char* text)
{
    Application* app = settingOwner(text, freeText);
    if (!app)
        return 1;
    (app->*store)(text);
    return 0;
}

// The command being filled; the texts are released when there is none.
Command* currentCommand(char* first, char* second)
{
    KivParser* parser = BuilderContext::parser(CHECK_COMMAND);
    Command* command = parser ? parser->curCommand : nullptr;
    if (parser && !command)
        internal(CHECK_COMMAND);
    if (!command) {
        free(first);
        free(second);
    }
    return command;
}

// A new function in curFunction; one that a failed statement left there is
// disposed of. Without memory curFunction stays null, without a message.
int setFunction(char* shellCommand, char* functionType, char* functionArg)
{
    KivParser* parser = BuilderContext::parser(CHECK_FUNCTION);
    if (!parser) {
        free(shellCommand);
        free(functionType);
        free(functionArg);
        return 1;
    }
    delete parser->curFunction;
    parser->curFunction = new (std::nothrow) Function(shellCommand, functionType, functionArg);
    if (!parser->curFunction) {
        free(shellCommand);
        free(functionType);
        free(functionArg);
    }
    return 0;
}

} // namespace

int ApplicationBuilder::startRegistration()
{
    KivParser* parser = BuilderContext::parser(CHECK_REGISTRATION);
    if (!parser)
        return 1;
    if (!parser->curAppReg) {
        parser->curAppReg = new (std::nothrow) ApplicationRegistration();
        if (!parser->curAppReg) {
            nomemory();
            return 1;
        }
    }
    return 0;
}

int ApplicationBuilder::beginApplication(char* name, char* parent)
{
    ApplicationRegistration* reg = BuilderContext::registration(CHECK_BEGIN_APPLICATION);
    if (!reg || !name) {
        if (reg)
            nomemory(); // the scanner could not copy the name
        free(name);
        free(parent);
        return 1;
    }
    KivParser* parser = KivParser::current;
    Application* app = reg->lookupApplication(name);
    bool existed = app != nullptr;
    if (existed) {
        if (app->locked)
            warning(parserMsg(MSG_DUPLICATE), "Application", name);
    } else {
        app = reg->newApplication(name);
        if (!app) {
            free(parent);
            return 1;
        }
    }
    parser->curApplication = app;

    if (parent && strcmp(parent, name) == 0) {
        error(parserMsg(MSG_PARENT_SELF), name);
        free(parent);
        parent = nullptr;
    }
    int result = 0;
    if (parent) {
        Application* parentApp = reg->lookupApplication(parent);
        if (parentApp) {
            free(parent);
        } else {
            // A placeholder, unlocked, that the parent's own block fills.
            parentApp = reg->newApplication(parent);
            result = parentApp ? 0 : 1;
        }
        if (parentApp)
            app->setAppParent(parentApp);
    }
    if (existed)
        free(name);
    return result;
}

int ApplicationBuilder::endApplication()
{
    Application* app = BuilderContext::application(CHECK_END_APPLICATION);
    if (!app)
        return 1;
    app->locked++;
    // Actions still unlocked were only named by f.action references.
    for (Action* action = app->actions ? app->actions->next() : nullptr; action; action = action->next()) {
        if (!action->locked)
            error(parserMsg(MSG_ACTION_NOT_DEFINED), app->appName, action->actionID);
    }
    KivParser::current->curApplication = nullptr;
    return 0;
}

int ApplicationBuilder::description()
{
    return handValueList(&Application::setDescriptions);
}

int ApplicationBuilder::copyright()
{
    return handValueList(&Application::setCopyrights);
}

int ApplicationBuilder::nameFields()
{
    return handValueList(&Application::setNameFields);
}

int ApplicationBuilder::displayString(char* text)
{
    return handText(&Application::setDisplayString, text);
}

int ApplicationBuilder::verificationKey(char* key)
{
    return handText(&Application::setVerificationKey, key);
}

int ApplicationBuilder::helpDirectory(char* path)
{
    return handText(&Application::setHelpDirectory, path);
}

int ApplicationBuilder::version(char* text)
{
    return handText(&Application::setVersion, text);
}

int ApplicationBuilder::beginCommand()
{
    KivParser* parser = BuilderContext::parser(CHECK_COMMAND);
    if (!parser)
        return 1;
    delete parser->curCommand;
    parser->curCommand = new (std::nothrow) Command();
    if (!parser->curCommand) {
        nomemory();
        return 1;
    }
    return 0;
}

int ApplicationBuilder::applicationCommand()
{
    KivParser* parser = BuilderContext::parser(CHECK_COMMAND);
    Command* command = currentCommand(nullptr, nullptr);
    if (!command)
        return 1;
    parser->curCommand = nullptr;
    Application* app = settingOwner(command, [](Command* c) { delete c; });
    if (!app)
        return 1;
    app->setCommand(command);
    return 0;
}

int ApplicationBuilder::commandWithFlags(int flags, char* name)
{
    Command* command = currentCommand(name, nullptr);
    if (!command)
        return 1;
    command->setProcessFlag(static_cast<unsigned long>(flags));
    command->setCommandName(name);
    return 0;
}

int ApplicationBuilder::commandName(char* name)
{
    Command* command = currentCommand(name, nullptr);
    if (!command)
        return 1;
    command->setCommandName(name);
    return 0;
}

int ApplicationBuilder::hostSpec(char* host)
{
    Command* command = currentCommand(host, nullptr);
    if (!command)
        return 1;
    command->setHostSpec(host);
    return 0;
}

int ApplicationBuilder::hostAndLaunchSpec(char* host, char* launcher)
{
    Command* command = currentCommand(host, launcher);
    if (!command)
        return 1;
    command->setHostSpec(host);
    command->setLaunchSpec(launcher);
    return 0;
}

int ApplicationBuilder::shellFunction(char* command)
{
    return setFunction(command, nullptr, nullptr);
}

int ApplicationBuilder::namedFunction(char* name, char* argument)
{
    return setFunction(nullptr, name, argument);
}

int ApplicationBuilder::discardUnfinished()
{
    KivParser* parser = KivParser::current;
    if (!parser)
        return 0;
    delete parser->curCommand;
    parser->curCommand = nullptr;
    delete parser->curFunction;
    parser->curFunction = nullptr;
    MenuBuilder::discardCollected();
    return 0;
}
