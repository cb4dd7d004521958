// Host facts on Windows: the computer's DNS host name and the local time.
#include "platform/KzPlatform.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <windows.h>

namespace kivparser {

const char* _KZinetGetMyHostName()
{
    static char name[256];
    DWORD size = sizeof name;
    int savedErrno = errno;
    if (!GetComputerNameExA(ComputerNameDnsHostname, name, &size) || !name[0])
        strcpy(name, "localhost");
    name[sizeof name - 1] = '\0';
    errno = savedErrno;
    return name;
}

char* _KZctime(const time_t* when, char* buffer, size_t size)
{
    if (!when || !buffer || ctime_s(buffer, size, when) != 0)
        return nullptr;
    return buffer;
}

} // namespace kivparser
