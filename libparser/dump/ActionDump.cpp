#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/Window.h"
#include "dump/DumpWriter.h"

namespace kivparser {

namespace {

const char* applicationName(Application* app)
{
    return DumpWriter::str(app ? app->appName : nullptr);
}

void dumpAccesses(String* accesses)
{
    DumpWriter::open("Access {\n");
    DumpWriter::values(accesses);
    DumpWriter::close();
}

} // namespace

void Action::debugDump()
{
    ParseLock lock;
    DumpWriter::open("Action \"%s\" {\n", DumpWriter::str(actionID));
    DumpWriter::line("Application : \"%s\"\n", applicationName(application));
    DumpWriter::line("SelectionRule : ");
    if (selectionRule)
        selectionRule->debugDump();
    // The rule's line ends in the indentation blanks.
    DumpWriter::indent();
    DumpWriter::text("\n");
    DumpWriter::line("DisplayString : \"%s\"\n", DumpWriter::str(displayString));
    DumpWriter::open("NameFields {\n");
    DumpWriter::values(nameFields);
    DumpWriter::close();
    DumpWriter::line("MinSelected : %d\n", minSelected);
    DumpWriter::line("MaxSelected : %d\n", maxSelected);
    DumpWriter::line("CallbackArg : \"%s\"\n", DumpWriter::str(callbackArg));
    DumpWriter::open("Command {\n");
    if (command)
        command->debugDump();
    DumpWriter::close();
    if (urlPath)
        DumpWriter::line("URL : \"%s\"\n", urlPath);
    if (accesses)
        dumpAccesses(accesses);
    if (window)
        window->debugDump();
    DumpWriter::close();
}

void Action::debugDumpShort()
{
    ParseLock lock;
    DumpWriter::open("Action \"%s\" {\n", DumpWriter::str(actionID));
    DumpWriter::line("Application : \"%s\"\n", applicationName(application));
    DumpWriter::line("URLpath : \"%s\"\n", DumpWriter::str(urlPath));
    dumpAccesses(accesses); // always printed here
    if (window)
        window->debugDump();
    DumpWriter::close();
}

} // namespace kivparser
