#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/DropAction.h"
#include "kivparser/application/Enrollment.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/PopupMenu.h"
#include "dump/DumpWriter.h"

namespace kivparser {

namespace {

void dumpValues(const char* head, String* values)
{
    DumpWriter::open("%s {\n", head);
    DumpWriter::values(values);
    DumpWriter::close();
}

} // namespace

void Application::debugDump()
{
    ParseLock lock;
    DumpWriter::open("Application \"%s\" : \"%s\" {\n", DumpWriter::str(appName),
                     DumpWriter::str(appParent ? appParent->appName : nullptr));
    dumpValues("Description", descriptions);
    DumpWriter::line("DisplayString : \"%s\"\n", DumpWriter::str(displayString));
    DumpWriter::line("VerificationKey : \"%s\"\n", DumpWriter::str(verificationKey));
    DumpWriter::line("HelpDirectory : \"%s\"\n", DumpWriter::str(helpDirectory));
    dumpValues("NameFields", nameFields);
    DumpWriter::open("Command {\n");
    if (command)
        command->debugDump();
    DumpWriter::close();
    DumpWriter::line("Version : \"%s\"\n", DumpWriter::str(version));
    dumpValues("Copyrights", copyrights);
    // Named lists are walked from their head; the unnamed head is skipped.
    for (Menu* menu = menus; menu; menu = menu->next()) {
        if (menu->menuID)
            menu->debugDump(0);
    }
    for (PopupMenu* menu = popupMenus; menu; menu = menu->next()) {
        if (menu->menuID)
            menu->debugDump();
    }
    for (Action* action = actions; action; action = action->next()) {
        if (action->actionID)
            action->debugDump();
    }
    // Enrollments are walked from the head (which prints nothing).
    for (Enrollment* enrollment = enrollments; enrollment; enrollment = enrollment->next())
        enrollment->debugDump();
    for (DropAction* dropAction = dropActions; dropAction; dropAction = dropAction->next()) {
        if (dropAction->dropActionID)
            dropAction->debugDump();
    }
    DumpWriter::close();
}

} // namespace kivparser
