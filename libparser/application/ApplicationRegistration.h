#ifndef KIVPARSER_APPLICATION_APPLICATIONREGISTRATION_H
#define KIVPARSER_APPLICATION_APPLICATIONREGISTRATION_H

#include "lists/SList.h"

class Application;
class MenuBar;
class PopupItem;
class ToolbarButton;
class Tab;
class ParserList;
class Window;

// The root of an application registration: the applications and the lists
// every application shares (menu bars, popup items, toolbar buttons, tabs,
// lists, windows). Every list is held through a head element created on
// first use; the registration owns everything in them.
class ApplicationRegistration final : public SList {
public:
    ApplicationRegistration();
    ~ApplicationRegistration();

    // First element whose name equals `name` exactly, or null.
    Application* lookupApplication(char* name);
    MenuBar* lookupMenuBar(char* name);
    PopupItem* lookupPopupItem(char* label);
    Window* lookupWindow(char* name);

    // Creates and appends (no duplicate check); null after nomemory.
    Application* newApplication(char* name);
    Window* newWindow(char* name);

    // Heads of the lists, created on first use (null after nomemory).
    MenuBar* refMenuBars();
    PopupItem* refPopupItems();
    ToolbarButton* refToolbarButtons();

    // Insert one element in its sorted place; null is ignored.
    void setPopupItems(PopupItem* item);
    void setToolbarButtons(ToolbarButton* button);

    // The dump of everything but tabs and lists.
    void debugDump();
    void debugDumpTabs();
    void removeSingleActionMenus();

    Application* applications;
    MenuBar* menuBars;
    PopupItem* popupItems;
    ToolbarButton* toolbarButtons;
    Tab* tabs;
    ParserList* lists;
    Window* windows;
};

#endif
