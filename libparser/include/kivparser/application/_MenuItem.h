#ifndef KIVPARSER_APPLICATION__MENUITEM_H
#define KIVPARSER_APPLICATION__MENUITEM_H

#include <kivparser/export.h>
#include <kivparser/lists/PSList.h>

#include <functional>

namespace kivparser {

class Function;
class _Menu;
class Action;

// Common base of the entries of menu bars, menus, popup menus, the toolbar and
// lists: a label (text or bitmap path), a context expression, a function, and
// the links that the function resolves to. Entry lists are sorted
// (PSLpriority): by precedence (none counts as 50), then by the rank and name
// of the application that made the entry, then in order of arrival.
class KIVPARSER_API _MenuItem : public PSList {
public:
    _MenuItem();
    _MenuItem(int precedence, char* label, int isBitmap, char* contextExpr, Function* function);

    _MenuItem* next() { return static_cast<_MenuItem*>(_next); }

    // Called on a list head: the first entry whose label equals `label`.
    _MenuItem* lookup_MenuItem(const char* label);
    const _MenuItem* lookup_MenuItem(const char* label) const
    {
        return const_cast<_MenuItem*>(this)->lookup_MenuItem(label);
    }

    // Resolves an f.action function to an action of the current application,
    // creating a placeholder for a name not defined yet. 0 when done or when
    // a problem was reported, 1 after nomemory.
    int linkAction();

    char* label;
    int isBitmap;
    char* contextExpr;
    Function* function;
    _Menu* menuLink;
    Action* actionLink;

protected:
    ~_MenuItem();

    // The dump lines every entry prints inside its block: the context
    // expression and the function; when links are shown, the linked menu
    // (printed by `dumpMenu`) and the linked action.
    void debugDumpBody(int showLinks, void (*dumpMenu)(_Menu* menu, int showLinks));

    // The shared part of linkMenu, linkPopupMenu and linkList: when the
    // function is f.<type>, find the container named by its argument with
    // `lookup`, or make a placeholder with `create` (which takes the name over
    // and returns null after nomemory), refusing a container that already
    // reaches `underDefinition`. Reports `missingMsg` without a name and
    // `cycleMsg` (with the name) for a cycle. The caller has checked that the
    // owner of the names exists. 0 when done or reported, 1 after nomemory.
    int linkContainer(const char* type, int missingMsg, int cycleMsg, _Menu* underDefinition,
                      const std::function<_Menu*(char*)>& lookup, const std::function<_Menu*(char*)>& create);
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::_MenuItem;
#endif

#endif
