#include "kivparser/application/Application.h"
#include "kivparser/application/Action.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/DropAction.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/PopupMenu.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace kivparser {

const char* Application::priorityFile = nullptr;
const char* Application::priorityOrganization = nullptr;
const char* Application::priorityClass = nullptr;
const char* Application::priorityApplication = nullptr;

Application::Application() : SList()
{
    _init();
    priority = getPriority(nullptr);
}

Application::Application(char* name) : SList()
{
    _init();
    appName = name;
    priority = getPriority(name);
}

void Application::_init()
{
    appName = nullptr;
    priority = AppOTHER;
    appParent = nullptr;
    descriptions = nullptr;
    displayString = nullptr;
    verificationKey = nullptr;
    helpDirectory = nullptr;
    nameFields = nullptr;
    command = nullptr;
    version = nullptr;
    copyrights = nullptr;
    menus = nullptr;
    popupMenus = nullptr;
    actions = nullptr;
    enrollments = nullptr;
    dropActions = nullptr;
    locked = 0;
}

Application::~Application()
{
    free(appName);
    SListOps::disposeList(descriptions);
    free(displayString);
    free(verificationKey);
    free(helpDirectory);
    SListOps::disposeList(nameFields);
    delete command;
    free(version);
    SListOps::disposeList(copyrights);
    SListOps::disposeList(menus);
    SListOps::disposeList(popupMenus);
    SListOps::disposeList(actions);
    SListOps::disposeList(enrollments);
    SListOps::disposeList(dropActions);
}

void Application::setDisplayString(char* text) { SListOps::setText(locked, displayString, text); }
void Application::setVerificationKey(char* key) { SListOps::setText(locked, verificationKey, key); }
void Application::setHelpDirectory(char* path) { SListOps::setText(locked, helpDirectory, path); }
void Application::setVersion(char* text) { SListOps::setText(locked, version, text); }
void Application::setDescriptions(String* list) { SListOps::setList(locked, descriptions, list); }
void Application::setCopyrights(String* list) { SListOps::setList(locked, copyrights, list); }
void Application::setNameFields(String* list) { SListOps::setList(locked, nameFields, list); }
void Application::setCommand(Command* cmd) { SListOps::setObject(locked, command, cmd); }
void Application::setAppParent(Application* parent) { SListOps::setValue(locked, appParent, parent); }

Menu* Application::newMenu(char* name) { return SListOps::newElement(menus, name); }
PopupMenu* Application::newPopupMenu(char* name) { return SListOps::newElement(popupMenus, name); }
Action* Application::newAction(char* name) { return SListOps::newElement(actions, name); }
DropAction* Application::newDropAction(char* name) { return SListOps::newElement(dropActions, name); }

Enrollment* Application::newEnrollment(EnrollOpType op) { return SListOps::newElement(enrollments, op); }

Menu* Application::lookupMenu(const char* name) { return SListOps::lookup(menus, &_Menu::menuID, name); }
PopupMenu* Application::lookupPopupMenu(const char* name) { return SListOps::lookup(popupMenus, &_Menu::menuID, name); }
Action* Application::lookupAction(const char* name) { return SListOps::lookup(actions, &Action::actionID, name); }
DropAction* Application::lookupDropAction(const char* name)
{
    return SListOps::lookup(dropActions, &DropAction::dropActionID, name);
}

Menu* Application::refMenus() { return SListOps::refHead(menus); }

namespace {

bool isEmpty(const char* s)
{
    return !s || !*s;
}

bool startsWith(const char* name, const char* prefix)
{
    return strncmp(name, prefix, strlen(prefix)) == 0;
}

} // namespace

AppPriorityType Application::getPriority(const char* name)
{
    if (!name)
        return AppOTHER;
    if (isEmpty(priorityOrganization) || !startsWith(name, priorityOrganization))
        return AppOTHER;
    if (isEmpty(priorityClass) || !startsWith(name, priorityClass))
        return AppTERTIARY;
    size_t classLength = strlen(priorityClass);
    if (!isEmpty(priorityApplication) && strlen(name) > classLength + 1 &&
        strstr(name + classLength, priorityApplication))
        return AppPRIMARY;
    return AppSECONDARY;
}

int Application::collate(Application* a, Application* b, int usePriority)
{
    const char* first = a ? a->appName : nullptr;
    const char* second = b ? b->appName : nullptr;
    AppPriorityType firstRank = a ? a->priority : AppOTHER;
    AppPriorityType secondRank = b ? b->priority : AppOTHER;
    if (usePriority) {
        if (firstRank < secondRank)
            return -1;
        if (firstRank > secondRank)
            return 1;
    }
    if (!first && !second)
        return 0;
    if (!second)
        return -1;
    if (!first)
        return 1;
    return strcoll_new(first, second);
}

} // namespace kivparser
