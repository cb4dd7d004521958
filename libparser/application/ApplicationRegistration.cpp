#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/application/Tab.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/ToolbarButton.h"
#include "kivparser/application/Window.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "language/SourceMap.h"

#include <cstdlib>
#include <new>

namespace kivparser {

ApplicationRegistration::ApplicationRegistration()
    : SList(), applications(nullptr), menuBars(nullptr), popupItems(nullptr), toolbarButtons(nullptr),
      tabs(nullptr), lists(nullptr), windows(nullptr)
{
}

ApplicationRegistration::~ApplicationRegistration()
{
    SourceMap::release(this);
    SListOps::disposeList(applications);
    SListOps::disposeList(menuBars);
    SListOps::disposeList(popupItems);
    SListOps::disposeList(toolbarButtons);
    SListOps::disposeList(tabs);
    SListOps::disposeList(lists);
    SListOps::disposeList(windows);
}

Application* ApplicationRegistration::lookupApplication(const char* name)
{
    return SListOps::lookup(applications, &Application::appName, name);
}

MenuBar* ApplicationRegistration::lookupMenuBar(const char* name)
{
    return SListOps::lookup(menuBars, &_Menu::menuID, name);
}

PopupItem* ApplicationRegistration::lookupPopupItem(const char* label)
{
    return SListOps::lookup(popupItems, &_MenuItem::label, label);
}

Window* ApplicationRegistration::lookupWindow(const char* name)
{
    return SListOps::lookup(windows, &Window::windowID, name);
}

Tab* ApplicationRegistration::lookupTab(const char* name)
{
    return SListOps::lookup(tabs, &_Menu::menuID, name);
}

ParserList* ApplicationRegistration::lookupList(const char* name)
{
    return SListOps::lookup(lists, &_Menu::menuID, name);
}

ParserList* ApplicationRegistration::newList(char* name)
{
    return SListOps::newElement(lists, name);
}

Tab* ApplicationRegistration::refTabs()
{
    return SListOps::refHead(tabs);
}

Application* ApplicationRegistration::newApplication(char* name)
{
    return SListOps::newElement(applications, name);
}

Window* ApplicationRegistration::newWindow(char* name)
{
    return SListOps::newElement(windows, name);
}

MenuBar* ApplicationRegistration::refMenuBars()
{
    return SListOps::refHead(menuBars);
}

PopupItem* ApplicationRegistration::refPopupItems()
{
    return SListOps::refHead(popupItems);
}

ToolbarButton* ApplicationRegistration::refToolbarButtons()
{
    return SListOps::refHead(toolbarButtons);
}

void ApplicationRegistration::setPopupItems(PopupItem* item)
{
    if (!item)
        return;
    if (refPopupItems())
        popupItems->append(item);
    else
        delete item;
}

void ApplicationRegistration::setToolbarButtons(ToolbarButton* button)
{
    if (!button)
        return;
    if (refToolbarButtons())
        toolbarButtons->append(button);
    else
        delete button;
}

} // namespace kivparser
