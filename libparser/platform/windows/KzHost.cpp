// Host facts on Windows: the computer's DNS host name and the local time.
#include "platform/KzPlatform.h"

#include <cerrno>
#include <cstdio>
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
    // The C standard's form of ctime ("Sun Dec  6 04:08:24 2026\n": the day
    // padded with a blank); the Windows runtime pads it with a zero.
    static const char days[] = "SunMonTueWedThuFriSat";
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    struct tm local;
    if (!when || !buffer || localtime_s(&local, when) != 0 || local.tm_wday < 0 || local.tm_wday > 6 ||
        local.tm_mon < 0 || local.tm_mon > 11)
        return nullptr;
    int n = snprintf(buffer, size, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", days + 3 * local.tm_wday,
                     months + 3 * local.tm_mon, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                     local.tm_year + 1900);
    return n > 0 && static_cast<size_t>(n) < size ? buffer : nullptr;
}

} // namespace kivparser
