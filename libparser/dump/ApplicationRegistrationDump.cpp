#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/ToolbarButton.h"
#include "dump/DumpWriter.h"

namespace kivparser {

void ApplicationRegistration::debugDump()
{
    ParseLock lock;
    for (MenuBar* bar = menuBars; bar; bar = bar->next()) {
        if (bar->menuID)
            bar->debugDump();
    }
    DumpWriter::open("PopupItems {\n");
    for (PopupItem* item = popupItems ? popupItems->next() : nullptr; item; item = item->next())
        item->debugDump(1);
    DumpWriter::close();
    DumpWriter::open("ToolbarButtons {\n");
    for (ToolbarButton* button = toolbarButtons ? toolbarButtons->next() : nullptr; button; button = button->next())
        button->debugDump(1);
    DumpWriter::close();
    for (Application* app = applications; app; app = app->next()) {
        if (app->appName)
            app->debugDump();
    }
}

} // namespace kivparser
