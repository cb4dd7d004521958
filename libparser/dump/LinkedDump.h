#ifndef KIVPARSER_DUMP_LINKEDDUMP_H
#define KIVPARSER_DUMP_LINKEDDUMP_H

#include "lists/OpenTable.h"
#include "lists/WorkStack.h"

namespace kivparser {

// The dump of entries whose links open nested containers (a menu's entries
// open submenus, a popup menu's entries popup menus, a list's items lists),
// however deep the links go, without nesting calls. `Ops` prints:
//  - openItem(item): the entry's lines up to where its linked container goes;
//    returns the container to show there (null for none);
//  - closeItem(item): the rest of the entry;
//  - open(container) / close(container): the container's own lines around
//    its entries; first(container): its first entry.
// A link back into a container that is being shown is not followed (the
// parser refuses such links; a host may still make one).
template <class Ops>
class LinkedDump {
public:
    using Item = typename Ops::Item;
    using Container = typename Ops::Container;

    // The entries from `first` on (only `first` when `single`), inside
    // `outer` (null when the caller shows no container around them).
    static void entries(Ops& ops, Item* first, bool single, Container* outer = nullptr)
    {
        struct Frame {
            Container* container;
            Item* opener; // the entry whose link the container is
        };
        WorkStack<Frame> frames;
        PointerTable<char> shown;
        if (outer)
            shown.findOrAdd(outer);
        Item* item = first;
        for (;;) {
            if (item) {
                Container* link = ops.openItem(item);
                if (link && !shown.find(link) && frames.push({link, item})) {
                    shown.findOrAdd(link);
                    ops.open(link);
                    item = ops.first(link);
                    continue;
                }
                ops.closeItem(item);
                item = single && frames.empty() ? nullptr : item->next();
                continue;
            }
            if (frames.empty())
                return;
            Frame done = frames.top();
            frames.pop();
            shown.erase(done.container);
            ops.close(done.container);
            ops.closeItem(done.opener);
            item = single && frames.empty() ? nullptr : done.opener->next();
        }
    }
};

} // namespace kivparser

#endif
