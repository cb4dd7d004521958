// Message catalogs on POSIX systems: catopen/catgets of the C library.
#include "platform/KzCatalog.h"

#include <nl_types.h>

namespace kivparser {

bool KzCatalog::open(const char* name)
{
    close();
    nl_catd catalog = catopen(name, 0);
    if (catalog == reinterpret_cast<nl_catd>(-1) || catalog == nullptr)
        return false;
    handle = catalog;
    return true;
}

void KzCatalog::close()
{
    if (handle)
        catclose(static_cast<nl_catd>(handle));
    handle = nullptr;
}

char* KzCatalog::text(int set, int n, char* fallback) const
{
    return handle ? catgets(static_cast<nl_catd>(handle), set, n, fallback) : fallback;
}

} // namespace kivparser
