#include "application/Application.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>

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
    // The owned lists and objects are released by the application model once
    // their classes exist; the name is always ours.
    free(appName);
}

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
