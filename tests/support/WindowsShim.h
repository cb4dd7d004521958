#ifndef KIVPARSER_TESTS_SUPPORT_WINDOWSSHIM_H
#define KIVPARSER_TESTS_SUPPORT_WINDOWSSHIM_H

// Included before every test source of a Windows build: the POSIX calls that
// the tests use to arrange their cases, in their Windows form. The library
// itself never sees this file.
#ifdef _WIN32

#include <cstdlib>
#include <direct.h>
#include <io.h>

inline int setenv(const char* name, const char* value, int overwrite)
{
    if (!overwrite && getenv(name))
        return 0;
    // An empty value would remove the variable: Windows has no empty ones.
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name)
{
    return _putenv_s(name, "") == 0 ? 0 : -1;
}

inline int mkdir(const char* path, int)
{
    return _mkdir(path);
}

#endif

#endif
