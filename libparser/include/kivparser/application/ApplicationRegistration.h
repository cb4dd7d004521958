#ifndef KIVPARSER_APPLICATION_APPLICATIONREGISTRATION_H
#define KIVPARSER_APPLICATION_APPLICATIONREGISTRATION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

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
class KIVPARSER_API ApplicationRegistration final : public SList {
public:
    ApplicationRegistration();
    ~ApplicationRegistration();

    // First element whose name equals `name` exactly, or null.
    Application* lookupApplication(const char* name);
    const Application* lookupApplication(const char* name) const
    {
        return const_cast<ApplicationRegistration*>(this)->lookupApplication(name);
    }
    MenuBar* lookupMenuBar(const char* name);
    const MenuBar* lookupMenuBar(const char* name) const
    {
        return const_cast<ApplicationRegistration*>(this)->lookupMenuBar(name);
    }
    PopupItem* lookupPopupItem(const char* label);
    const PopupItem* lookupPopupItem(const char* label) const
    {
        return const_cast<ApplicationRegistration*>(this)->lookupPopupItem(label);
    }
    Window* lookupWindow(const char* name);
    const Window* lookupWindow(const char* name) const
    {
        return const_cast<ApplicationRegistration*>(this)->lookupWindow(name);
    }
    Tab* lookupTab(const char* name);
    const Tab* lookupTab(const char* name) const { return const_cast<ApplicationRegistration*>(this)->lookupTab(name); }
    ParserList* lookupList(const char* name);
    const ParserList* lookupList(const char* name) const
    {
        return const_cast<ApplicationRegistration*>(this)->lookupList(name);
    }

    // Creates and appends (no duplicate check); null after nomemory.
    Application* newApplication(char* name);
    Window* newWindow(char* name);
    // Lists are held newest first.
    ParserList* newList(char* name);

    // Heads of the lists, created on first use (null after nomemory).
    MenuBar* refMenuBars();
    PopupItem* refPopupItems();
    ToolbarButton* refToolbarButtons();
    Tab* refTabs();

    // Insert one element in its sorted place; null is ignored.
    void setPopupItems(PopupItem* item);
    void setToolbarButtons(ToolbarButton* button);

    // The dump of everything but tabs and lists.
    void debugDump() const;
    // The dump of the tabs with their list items.
    void debugDumpTabs() const;
    // Folds every cascade reached from a menu bar that leads to exactly one
    // action into its parent entry.
    // A submenu opened by several entries: when it is folded and destroyed,
    // every other entry that opened it (in any menu bar or any application's
    // menu, reached or not) is folded the same way: it takes the single
    // action, loses its link, and gets ":" and the action entry's label
    // appended when both have a label. No entry keeps a destroyed menu.
    void removeSingleActionMenus();

    Application* applications;
    MenuBar* menuBars;
    PopupItem* popupItems;
    ToolbarButton* toolbarButtons;
    Tab* tabs;
    ParserList* lists;
    Window* windows;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ApplicationRegistration;
#endif

#endif
