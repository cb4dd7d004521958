#ifndef KIVPARSER_APPLICATION__PARSERLIST_H
#define KIVPARSER_APPLICATION__PARSERLIST_H

#include <kivparser/export.h>
#include <kivparser/application/_Menu.h>

namespace kivparser {

class String;
class ListItem;

// Common base of tabs and lists: a registration-wide, named collection of
// list items with an icon and active-help lines. Any application may add
// items; an icon or active help given once stays. Built with order PSLfifo
// (Tab switches to PSLpriority). The items list's head is a default ListItem.
class KIVPARSER_API _ParserList : public _Menu {
public:
    _ParserList();
    explicit _ParserList(char* id);

    _ParserList* next() { return static_cast<_ParserList*>(_next); }

    // Head of the items list, created on first use (null after nomemory).
    _MenuItem* refMenuItems() override;

    // Null: nothing. No icon yet: stored. Otherwise the new name is freed and
    // the stored one stays; a different name is warned about.
    void setIconName(char* name);
    // Null: nothing. No help yet: stored. Otherwise the new lines are
    // destroyed without a message.
    void setActiveHelp(String* lines);

    char* iconName;
    String* activeHelp;

protected:
    // Frees the icon, the active help and every list item with its head.
    ~_ParserList();

    // "Icon", "ActiveHelp {" ... "} {" and the items with their links, one
    // level deeper than the block's opening line; then "}" at its level.
    void debugDumpBody();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::_ParserList;
#endif

#endif
