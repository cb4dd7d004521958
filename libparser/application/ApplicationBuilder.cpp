#include "application/ApplicationBuilder.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/Function.h"
#include "application/ActionBuilder.h"
#include "application/MenuBuilder.h"
#include "language/BuilderContext.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "language/ParseDamage.h"
#include "language/ReportDetails.h"
#include "language/SourceMap.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>
#include <cstring>
#include <vector>
#include <new>

namespace kivparser {

namespace {

// Damage to the parse (ParseDamage::count) when the open application block
// began.
long damageAtApplicationStart = 0;

struct ApplicationDefinition
    : BuilderContext::Definition<ApplicationRegistration, Application, &ApplicationRegistration::lookupApplication,
                                 &ApplicationRegistration::newApplication> {
    static constexpr const char* kind = "Application";
};

// Hands the value list collected in curString to `store` of the current
// application.
int handValueList(void (Application::*store)(String*))
{
    Application* app = BuilderContext::current(&KivParser::curApplication, ApplicationBuilder::CHECK_SETTING);
    if (!app)
        return 1;
    String* list = BuilderContext::take(&KivParser::curString, ApplicationBuilder::CHECK_VALUE_LIST);
    if (!list)
        return 1;
    (app->*store)(list);
    return 0;
}

int handText(void (Application::*store)(char*), char* text)
{
    return BuilderContext::withValue(&KivParser::curApplication, ApplicationBuilder::CHECK_SETTING, text,
                                     [store](Application* app, char* value) { (app->*store)(value); });
}

// The command being filled; the texts are released when there is none.
Command* currentCommand(char* first, char* second)
{
    Command* command = BuilderContext::current(&KivParser::curCommand, ApplicationBuilder::CHECK_COMMAND);
    if (!command) {
        free(first);
        free(second);
    }
    return command;
}

// A new function in curFunction; one that a failed statement left there is
// disposed of.
int setFunction(char* shellCommand, char* functionType, char* functionArg)
{
    KivParser* parser = BuilderContext::parser(ApplicationBuilder::CHECK_FUNCTION);
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
        nomemory();
        return 1;
    }
    SourceMap::defined(parser->curFunction, functionType);
    return 0;
}

} // namespace

int ApplicationBuilder::startRegistration()
{
    return BuilderContext::startRoot(&KivParser::curAppReg, CHECK_REGISTRATION);
}

int ApplicationBuilder::beginApplication(char* name, char* parent)
{
    ApplicationRegistration* reg = BuilderContext::ownerFor(&KivParser::curAppReg, name, CHECK_BEGIN_APPLICATION);
    if (!reg) {
        free(parent);
        return 1;
    }
    Application* app = BuilderContext::open<ApplicationDefinition>(reg, name);
    if (!app) {
        free(parent);
        return 1;
    }
    KivParser::current->curApplication = app;
    damageAtApplicationStart = ParseDamage::count();

    if (parent && strcmp(parent, app->appName) == 0) {
        error(parserMsg(MSG_PARENT_SELF), app->appName);
        free(parent);
        parent = nullptr;
    }
    if (!parent)
        return 0;
    // A parent not defined yet gets a placeholder, unlocked, that the
    // parent's own block fills.
    Application* parentApp = BuilderContext::refer<ApplicationDefinition>(reg, parent);
    if (!parentApp)
        return 1;
    app->setAppParent(parentApp);
    return 0;
}

int ApplicationBuilder::endApplication()
{
    Application* app = BuilderContext::current(&KivParser::curApplication, CHECK_END_APPLICATION);
    if (!app)
        return 1;
    app->locked++;
    // Actions still unlocked were only named by f.action references: the
    // report stands at the first of them in this file and points at the
    // others.
    const char* file = SourceMap::fileHere();
    for (Action* action = app->actions ? app->actions->next() : nullptr; action; action = action->next()) {
        if (action->locked)
            continue;
        ReportDetails details;
        bool placed = false;
        for (const SourcePlace& use : SourceMap::usesHere(action)) {
            if (!placed && use.file == file) {
                details.at(use.span);
                placed = true;
            } else {
                details.related(use.file, use.span.line, use.span.column, "used here");
            }
        }
        error(parserMsg(MSG_ACTION_NOT_DEFINED), app->appName, action->actionID);
    }
    ActionBuilder::closeUnfinished(app, true, ParseDamage::count() != damageAtApplicationStart);
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
    // What a failed command statement left there is disposed of first.
    return BuilderContext::startFresh(&KivParser::curCommand, CHECK_COMMAND);
}

int ApplicationBuilder::applicationCommand()
{
    KivParser* parser = BuilderContext::parser(CHECK_COMMAND);
    Command* command = currentCommand(nullptr, nullptr);
    if (!command)
        return 1;
    parser->curCommand = nullptr;
    return BuilderContext::withValue(&KivParser::curApplication, CHECK_SETTING, command,
                                     [](Application* app, Command* taken) { app->setCommand(taken); });
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
    // An application block still open here was cut short.
    ActionBuilder::closeUnfinished(parser->curApplication, true, true);
    delete parser->curCommand;
    parser->curCommand = nullptr;
    delete parser->curFunction;
    parser->curFunction = nullptr;
    MenuBuilder::discardCollected();
    return 0;
}

} // namespace kivparser
