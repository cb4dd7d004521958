// Private: included by the application folder and the load scope (lists/LoadScope.cpp).
#ifndef KIVPARSER_APPLICATION_MENULINKS_H
#define KIVPARSER_APPLICATION_MENULINKS_H

#include "lists/OpenTable.h"
#include "lists/WorkStack.h"

#include <cstdint>

namespace kivparser {

class _Menu;

// The cycle test of menu links (f.menu, f.list) at every link a load makes,
// kept cheap however the menus are ordered in the files. It knows, for the
// load at work, which menus are joined by links in either direction (a
// union-find over the menus it has met). A menu it meets is joined with
// every menu its entries link to, and those with theirs, so that a menu can
// reach another only when both are joined; each link the load makes joins
// its two ends. Menus not joined cannot reach each other and need no walk;
// otherwise the walk of _Menu::cycledetect gives the answer. A chain of
// menus, in whatever order its blocks come, never needs the walk.
class MenuLinks final {
public:
    // Whether `from` reaches `target` (or is it) through the menuLink of
    // its entries: the answer of _Menu::cycledetect.
    static bool reaches(_Menu* from, _Menu* target);

    // An entry of `from` (the menu under definition, null when none) now
    // links to `to`.
    static void linked(_Menu* from, _Menu* to);

    MenuLinks() = default;
    MenuLinks(const MenuLinks&) = delete;
    MenuLinks& operator=(const MenuLinks&) = delete;

private:
    // The number of `menu`, met now if it was not before; -1 when memory
    // ran out (from then on the walk answers every test of the load).
    long meet(_Menu* menu);
    bool meetAll(_Menu* menu);
    uint32_t root(uint32_t node);
    void join(uint32_t a, uint32_t b);

    struct Node {
        uint32_t parent;
        uint32_t size;
    };
    PointerTable<uint32_t> numbers; // menu -> its number + 1
    WorkStack<Node> nodes;
    bool lost = false;
};

} // namespace kivparser

#endif
