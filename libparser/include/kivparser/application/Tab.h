#ifndef KIVPARSER_APPLICATION_TAB_H
#define KIVPARSER_APPLICATION_TAB_H

#include <kivparser/export.h>
#include <kivparser/application/_ParserList.h>

namespace kivparser {

// A tab of the user interface: a _ParserList kept in the registration's tab
// list by precedence (none counts as 50, above 100 as 100), then by the rank
// of the application that first defined it. A tab first defined without a
// precedence moves once, when a precedence is first given.
class KIVPARSER_API Tab final : public _ParserList {
public:
    Tab();
    explicit Tab(char* id);
    ~Tab();

    Tab* next() { return static_cast<Tab*>(_next); }

    // -1: nothing. None stored yet: stored. A different value is warned about
    // and the stored one stays.
    void setPrecedence(int p);

    // "Tab <%d> \"name\"" block with its items and their links.
    void debugDump();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Tab;
#endif

#endif
