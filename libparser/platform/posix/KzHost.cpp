// Host facts on POSIX systems: the host name and the local time.
#include "platform/KzPlatform.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace kivparser {

const char* _KZinetGetMyHostName()
{
    static char name[HOST_NAME_MAX + 1];
    int savedErrno = errno;
    if (gethostname(name, sizeof name) != 0 || !name[0])
        strcpy(name, "localhost");
    name[sizeof name - 1] = '\0';
    errno = savedErrno;
    return name;
}

char* _KZctime(const time_t* when, char* buffer, size_t size)
{
    char text[64];
    if (!when || !buffer || !ctime_r(when, text) || strlen(text) >= size)
        return nullptr;
    return strcpy(buffer, text);
}

} // namespace kivparser
