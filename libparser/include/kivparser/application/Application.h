#ifndef KIVPARSER_APPLICATION_APPLICATION_H
#define KIVPARSER_APPLICATION_APPLICATION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>
#include <kivparser/application/Enrollment.h>

namespace kivparser {

class String;
class Command;
class Menu;
class PopupMenu;
class Action;
class Enrollment;
class DropAction;

enum AppPriorityType { AppPRIMARY = 0, AppSECONDARY = 1, AppTERTIARY = 2, AppOTHER = 3 };

// One application of a registration: its settings, its own menus, popup
// menus, actions, enrollments and drop actions, and its rank among the
// applications that share menu bars.
class KIVPARSER_API Application final : public SList {
public:
    Application();
    explicit Application(char* name);
    ~Application();

    Application* next() { return static_cast<Application*>(_next); }

    // Setters of the settings: once the application is locked (its first
    // block has ended) they keep what they hold and dispose of the new value.
    void setDisplayString(char* text);
    void setVerificationKey(char* key);
    void setHelpDirectory(char* path);
    void setVersion(char* text);
    void setDescriptions(String* list);
    void setCopyrights(String* list);
    void setNameFields(String* list);
    void setCommand(Command* cmd);
    void setAppParent(Application* parent);

    // Create an element and link it (no duplicate check); null after
    // nomemory. Menus and popup menus go first in their lists (newest first),
    // the others at the end.
    Menu* newMenu(char* name);
    PopupMenu* newPopupMenu(char* name);
    Action* newAction(char* name);
    DropAction* newDropAction(char* name);
    Enrollment* newEnrollment(EnrollOpType op);

    // First element whose name equals `name` exactly, or null.
    Menu* lookupMenu(const char* name);
    const Menu* lookupMenu(const char* name) const { return const_cast<Application*>(this)->lookupMenu(name); }
    PopupMenu* lookupPopupMenu(const char* name);
    const PopupMenu* lookupPopupMenu(const char* name) const
    {
        return const_cast<Application*>(this)->lookupPopupMenu(name);
    }
    Action* lookupAction(const char* name);
    const Action* lookupAction(const char* name) const { return const_cast<Application*>(this)->lookupAction(name); }
    DropAction* lookupDropAction(const char* name);
    const DropAction* lookupDropAction(const char* name) const
    {
        return const_cast<Application*>(this)->lookupDropAction(name);
    }

    // Head of `menus`, created on first use (null after nomemory).
    Menu* refMenus();

    // The "Application" block of the registration dump.
    void debugDump();

    // Rank of an application name against the priority strings; a lower
    // value ranks first.
    static AppPriorityType getPriority(const char* name);
    // Orders two applications: by rank when `usePriority` is non-zero, then
    // named before unnamed, then by the locale's collation of the names.
    static int collate(Application* a, Application* b, int usePriority);

    static void setPriorityFile(const char* value) { priorityFile = value; }
    static const char* getPriorityFile() { return priorityFile; }
    static void setPriorityOrganization(const char* value) { priorityOrganization = value; }
    static const char* getPriorityOrganization() { return priorityOrganization; }
    static void setPriorityClass(const char* value) { priorityClass = value; }
    static const char* getPriorityClass() { return priorityClass; }
    static void setPriorityApplication(const char* value) { priorityApplication = value; }
    static const char* getPriorityApplication() { return priorityApplication; }

    char* appName;
    AppPriorityType priority;
    Application* appParent;
    String* descriptions;
    char* displayString;
    char* verificationKey;
    char* helpDirectory;
    String* nameFields;
    Command* command;
    char* version;
    String* copyrights;
    Menu* menus;
    PopupMenu* popupMenus;
    Action* actions;
    Enrollment* enrollments;
    DropAction* dropActions;
    int locked;

    // Not owned; null until set.
    static const char* priorityFile;
    static const char* priorityOrganization;
    static const char* priorityClass;
    static const char* priorityApplication;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::AppPriorityType;
using kivparser::AppPRIMARY;
using kivparser::AppSECONDARY;
using kivparser::AppTERTIARY;
using kivparser::AppOTHER;
using kivparser::Application;
#endif

#endif
