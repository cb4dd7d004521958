#ifndef KIVPARSER_APPLICATION_LISTITEM_H
#define KIVPARSER_APPLICATION_LISTITEM_H

#include <kivparser/export.h>
#include <kivparser/application/_MenuItem.h>

namespace kivparser {

class String;

// An entry of a tab or list: a label (never a bitmap), an icon, active-help
// lines and a function, which may open another list (f.list) or run an action
// (f.action).
class KIVPARSER_API ListItem final : public _MenuItem {
public:
    ListItem();
    ListItem(int precedence, char* label, char* iconName, String* activeHelp, Function* function);
    ~ListItem();

    ListItem* next() { return static_cast<ListItem*>(_next); }

    // Resolves an f.list function to a list of the registration, creating a
    // placeholder for a name not defined yet and refusing a list that already
    // reaches the list under definition. 0 when done or reported, 1 after
    // nomemory.
    int linkList();

    // Null ignored; stored when none is stored yet, otherwise freed.
    void setIconName(char* name);
    // Null ignored; stored when none is stored yet, otherwise destroyed.
    void setActiveHelp(String* lines);

    // "ListItem <%d> \"label\" {" block; the linked list and action are shown.
    void debugDump();

    char* iconName;
    String* activeHelp;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ListItem;
#endif

#endif
