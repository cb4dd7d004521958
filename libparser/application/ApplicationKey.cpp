#include "application/ApplicationKey.h"
#include "platform/KzPlatform.h"

namespace kivparser {

int ApplicationKey::collate(const ApplicationKey& a, const ApplicationKey& b, int usePriority)
{
    if (usePriority) {
        if (a.rank < b.rank)
            return -1;
        if (a.rank > b.rank)
            return 1;
    }
    if (!a.name && !b.name)
        return 0;
    if (!b.name)
        return -1;
    if (!a.name)
        return 1;
    return strcoll_new(a.name, b.name);
}

} // namespace kivparser
