#include "application/MenuLinks.h"
#include "kivparser/application/_Menu.h"
#include "kivparser/application/_MenuItem.h"
#include "lists/LoadScope.h"

#include <utility>

namespace kivparser {

bool MenuLinks::reaches(_Menu* from, _Menu* target)
{
    if (!from || !target)
        return false;
    if (from == target)
        return true;
    MenuLinks* links = LoadScope::menuLinks();
    if (links) {
        long a = links->meet(from);
        long b = links->meet(target);
        if (a >= 0 && b >= 0 && links->root((uint32_t)a) != links->root((uint32_t)b))
            return false;
    }
    return _Menu::cycledetect(from, target);
}

void MenuLinks::linked(_Menu* from, _Menu* to)
{
    MenuLinks* links = LoadScope::menuLinks();
    if (!links || !from || !to)
        return;
    long a = links->meet(from);
    long b = links->meet(to);
    if (a >= 0 && b >= 0)
        links->join((uint32_t)a, (uint32_t)b);
}

long MenuLinks::meet(_Menu* menu)
{
    if (lost)
        return -1;
    uint32_t* known = numbers.find(menu);
    if (!known) {
        if (!meetAll(menu)) {
            lost = true;
            numbers.clear();
            return -1;
        }
        known = numbers.find(menu);
    }
    return (long)*known - 1;
}

// `menu` and every menu its links reach that was not met before, each joined
// with the menus its entries link to.
bool MenuLinks::meetAll(_Menu* menu)
{
    size_t first = nodes.size();
    WorkStack<_Menu*> met;
    WorkStack<_Menu*> pending;
    if (!pending.push(menu))
        return false;
    while (!pending.empty()) {
        _Menu* at = pending.top();
        pending.pop();
        bool added = false;
        uint32_t* number = numbers.findOrAdd(at, &added);
        if (!number)
            return false;
        if (!added)
            continue;
        *number = (uint32_t)nodes.size() + 1;
        if (!nodes.push({(uint32_t)nodes.size(), 1}) || !met.push(at))
            return false;
        for (_MenuItem* item = at->menuItems; item; item = item->next()) {
            if (item->menuLink && !pending.push(item->menuLink))
                return false;
        }
    }
    for (size_t i = 0; i < met.size(); ++i) {
        uint32_t node = (uint32_t)(first + i);
        for (_MenuItem* item = met[i]->menuItems; item; item = item->next()) {
            if (item->menuLink)
                join(node, *numbers.find(item->menuLink) - 1);
        }
    }
    return true;
}

uint32_t MenuLinks::root(uint32_t node)
{
    while (nodes[node].parent != node) {
        nodes[node].parent = nodes[nodes[node].parent].parent;
        node = nodes[node].parent;
    }
    return node;
}

void MenuLinks::join(uint32_t a, uint32_t b)
{
    a = root(a);
    b = root(b);
    if (a == b)
        return;
    if (nodes[a].size < nodes[b].size)
        std::swap(a, b);
    nodes[b].parent = a;
    nodes[a].size += nodes[b].size;
}

} // namespace kivparser
