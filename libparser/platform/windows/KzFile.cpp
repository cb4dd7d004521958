// Files on Windows: names converted from the locale's code set and opened
// through the wide-character API; registration files kept only when what was
// opened is a file on a disk.
#include "platform/KzPlatform.h"
#include "platform/windows/KzWin32.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

namespace kivparser {

// Registration files and templates (_KZopenRegularFile) are read in the C
// runtime's text mode: it drops the carriage return of every CR LF, and a ^Z
// ends the file. Other files read through fopen_new (bitmaps, catalogs) are
// read in binary mode unless the caller asks otherwise. Files written are in
// text mode: every line feed becomes CR LF.
const bool _KZtextModeReads = true;

FILE* fopen_new(const char* path, const char* mode)
{
    std::wstring widePath;
    std::wstring wideMode;
    if (!kzWideName(path, widePath) || !mode)
        return nullptr;
    try {
        for (const char* m = mode; *m; ++m)
            wideMode += static_cast<wchar_t>(static_cast<unsigned char>(*m));
        if (mode[0] == 'r' && wideMode.find_first_of(L"+tb") == std::wstring::npos)
            wideMode += L'b';
    } catch (...) {
        errno = ENOMEM;
        return nullptr;
    }
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

int fclose_new(FILE* stream) { return fclose(stream); }

bool _KZpathExists(const char* path)
{
    std::wstring wide;
    return path && kzWideName(path, wide) && !wide.empty() &&
           GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool _KZisRegularFile(const char* path)
{
    std::wstring wide;
    if (!path || !kzWideName(path, wide) || wide.empty())
        return false;
    // Asked of what opens under the name: NUL and CON have attributes too.
    HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool regular = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
                   !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(handle);
    return regular;
}

FILE* _KZcreateSibling(const char* path, char* siblingPath, size_t size, int* reason)
{
    static unsigned long counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long unique = (GetCurrentProcessId() * 7919ul + GetTickCount() + ++counter) % 1000000ul;
        int n = snprintf(siblingPath, size, "%s.%06lu", path, unique);
        if (n < 0 || static_cast<size_t>(n) >= size) {
            *reason = ENAMETOOLONG;
            return nullptr;
        }
        std::wstring wide;
        if (!kzWideName(siblingPath, wide)) {
            *reason = errno;
            return nullptr;
        }
        HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            DWORD code = GetLastError();
            if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
                continue;
            *reason = kzErrnoFromWin32(code);
            return nullptr;
        }
        // Written in text mode, as fopen_new writes.
        int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_TEXT);
        if (fd < 0) {
            *reason = errno ? errno : EMFILE;
            CloseHandle(handle);
            DeleteFileW(wide.c_str());
            return nullptr;
        }
        FILE* stream = _fdopen(fd, "w");
        if (!stream) {
            *reason = errno;
            _close(fd);
            DeleteFileW(wide.c_str());
        }
        return stream;
    }
    *reason = EEXIST;
    return nullptr;
}

int _KZreplaceFile(const char* siblingPath, const char* path)
{
    std::wstring from;
    std::wstring to;
    if (!kzWideName(siblingPath, from) || !kzWideName(path, to))
        return -1;
    // A reader that holds the old file open keeps it from being replaced
    // (Windows refuses while the handle lasts): the step is tried again for
    // a while, then given up with the reason.
    DWORD code = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
            return 0;
        code = GetLastError();
        if (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION)
            break;
        Sleep(5);
    }
    errno = kzErrnoFromWin32(code);
    return -1;
}

int _KZremoveFile(const char* path)
{
    std::wstring wide;
    if (!kzWideName(path, wide))
        return -1;
    return _wremove(wide.c_str());
}

FILE* _KZopenRegularFile(const char* path, int* reason)
{
    std::wstring wide;
    if (!kzWideName(path, wide)) {
        *reason = errno;
        return nullptr;
    }
    if (wide.empty()) {
        *reason = ENOENT;
        return nullptr;
    }
    // Others may go on reading, writing and renaming the file. Backup
    // semantics let a directory be opened too, so that it is told apart.
    // Opening a device or a pipe never waits.
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        *reason = kzErrnoFromWin32(GetLastError());
        return nullptr;
    }
    // The type that counts is that of what was opened: NUL, CON and pipes
    // are no disk files, and a directory is one by its attributes.
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        *reason = EINVAL;
    } else if (!GetFileInformationByHandle(handle, &info)) {
        *reason = kzErrnoFromWin32(GetLastError());
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        *reason = EISDIR;
    } else {
        // Text mode: CR LF comes out as LF (see _KZtextModeReads).
        int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_TEXT);
        if (fd >= 0) {
            FILE* stream = _fdopen(fd, "rt");
            if (stream)
                return stream;
            *reason = errno;
            _close(fd);
            return nullptr;
        }
        *reason = errno ? errno : EMFILE;
    }
    CloseHandle(handle);
    return nullptr;
}

long _KZreadFile(FILE* stream, char* buffer, size_t size)
{
    unsigned int count = size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size);
    return _read(_fileno(stream), buffer, count);
}

} // namespace kivparser
