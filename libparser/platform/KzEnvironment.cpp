#include "platform/KzEnvironment.h"

#include <clocale>
#include <cstdlib>

namespace kivparser {

const char* KzEnvironment::getVariable(const char* name)
{
    if (!name || !*name)
        return nullptr;
    return getenv(name);
}

const char* KzEnvironment::languageName()
{
    const char* name = setlocale(LC_CTYPE, nullptr);
    return name && *name ? name : "C";
}

} // namespace kivparser
