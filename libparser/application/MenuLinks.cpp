#include "application/MenuLinks.h"
#include "kivparser/application/_Menu.h"
#include "kivparser/application/_MenuItem.h"
#include "lists/LoadScope.h"

#include <new>
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
    if (lost_)
        return -1;
    uint32_t* known = numbers_.find(menu);
    if (!known) {
        bool met = false;
        try {
            met = meetAll(menu);
        } catch (const std::bad_alloc&) {
        }
        if (!met) {
            lost_ = true;
            numbers_.clear();
            std::vector<uint32_t>().swap(parent_);
            std::vector<uint32_t>().swap(size_);
            return -1;
        }
        known = numbers_.find(menu);
    }
    return (long)*known - 1;
}

// `menu` and every menu its links reach that was not met before, each joined
// with the menus its entries link to.
bool MenuLinks::meetAll(_Menu* menu)
{
    std::vector<_Menu*> met;
    std::vector<_Menu*> pending{menu};
    while (!pending.empty()) {
        _Menu* at = pending.back();
        pending.pop_back();
        bool added = false;
        uint32_t* number = numbers_.findOrAdd(at, &added);
        if (!number)
            return false;
        if (!added)
            continue;
        *number = (uint32_t)parent_.size() + 1;
        parent_.push_back((uint32_t)parent_.size());
        size_.push_back(1);
        met.push_back(at);
        for (_MenuItem* item = at->menuItems; item; item = item->next()) {
            if (item->menuLink)
                pending.push_back(item->menuLink);
        }
    }
    for (_Menu* at : met) {
        uint32_t node = *numbers_.find(at) - 1;
        for (_MenuItem* item = at->menuItems; item; item = item->next()) {
            if (item->menuLink)
                join(node, *numbers_.find(item->menuLink) - 1);
        }
    }
    return true;
}

uint32_t MenuLinks::root(uint32_t node)
{
    while (parent_[node] != node) {
        parent_[node] = parent_[parent_[node]];
        node = parent_[node];
    }
    return node;
}

void MenuLinks::join(uint32_t a, uint32_t b)
{
    a = root(a);
    b = root(b);
    if (a == b)
        return;
    if (size_[a] < size_[b])
        std::swap(a, b);
    parent_[b] = a;
    size_[a] += size_[b];
}

} // namespace kivparser
