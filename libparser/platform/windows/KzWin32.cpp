#include "platform/windows/KzWin32.h"

#include <cerrno>
#include <clocale>
#include <windows.h>

namespace kivparser {

unsigned kzLocaleCodePage()
{
    return ___lc_codepage_func();
}

unsigned kzFileNameCodePage()
{
    unsigned codePage = kzLocaleCodePage();
    return codePage ? codePage : CP_ACP;
}

bool kzWideName(const char* name, std::wstring& wide)
{
    try {
        wide.clear();
        if (!name) {
            errno = EINVAL;
            return false;
        }
        if (!*name)
            return true;
        unsigned codePage = kzFileNameCodePage();
        int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, name, -1, nullptr, 0);
        if (length <= 0) {
            errno = ENOENT;
            return false;
        }
        wide.resize(static_cast<size_t>(length));
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, name, -1, &wide[0], length);
        wide.resize(static_cast<size_t>(length) - 1);
        return true;
    } catch (...) {
        errno = ENOMEM;
        return false;
    }
}

bool kzNarrowName(const wchar_t* wide, std::string& name)
{
    try {
        name.clear();
        unsigned codePage = kzFileNameCodePage();
        BOOL lossy = FALSE;
        // The UTF-8 code page takes no default-character query.
        BOOL* lossyFlag = codePage == CP_UTF8 ? nullptr : &lossy;
        DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
        int length = WideCharToMultiByte(codePage, flags, wide, -1, nullptr, 0, nullptr, lossyFlag);
        if (length <= 0 || lossy)
            return false;
        name.resize(static_cast<size_t>(length));
        WideCharToMultiByte(codePage, flags, wide, -1, &name[0], length, nullptr, nullptr);
        name.resize(static_cast<size_t>(length) - 1);
        return true;
    } catch (...) {
        return false;
    }
}

int kzErrnoFromWin32(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PIPE_BUSY:
        return EACCES;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    default:
        return EIO;
    }
}

} // namespace kivparser
