// The string copy that Windows calls _strdup, for the POSIX platform.
#include "platform/KzPlatform.h"

#include <cstring>

namespace kivparser {

char* _strdup(const char* s)
{
    return s ? strdup(s) : nullptr;
}

} // namespace kivparser
