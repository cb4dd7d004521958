#ifndef KIVPARSER_APPLICATION_WINDOW_H
#define KIVPARSER_APPLICATION_WINDOW_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>
#include <kivparser/lists/ValueTypes.h>

namespace kivparser {

// Kind of a web window.
enum TypeSpecType { TSP_NA = -1, TSP_LIMITED = 0, TSP_FULL = 1, TSP_INTERMEDIATE = 2, TSP_MENUONLY = 3 };

// The browser window in which an action is shown (a "webwindow" block). Every
// block makes a new window in the registration's `windows`; the action only
// points at it.
class KIVPARSER_API Window final : public SList {
public:
    Window();
    explicit Window(char* id);
    ~Window();

    Window* next() { return static_cast<Window*>(_next); }

    // Each stores its value only while the window is not locked.
    void setType(TypeSpecType value);
    void setStatus(OnOffType value);
    void setScrollbar(OnOffType value);
    void setToolbar(OnOffType value);
    void setLocation(OnOffType value);
    void setResizable(OnOffType value);
    void setWidth(int value);
    void setHeight(int value);

    // Prints the "Window" block at the current dump level.
    void debugDump();

    char* windowID;
    TypeSpecType type;
    OnOffType status;
    OnOffType scrollbar;
    OnOffType toolbar;
    OnOffType location;
    OnOffType resizable;
    int width;
    int height;
    int locked;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::TypeSpecType;
using kivparser::TSP_NA;
using kivparser::TSP_LIMITED;
using kivparser::TSP_FULL;
using kivparser::TSP_INTERMEDIATE;
using kivparser::TSP_MENUONLY;
using kivparser::Window;
#endif

#endif
