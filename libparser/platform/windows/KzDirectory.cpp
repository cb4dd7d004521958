// Directories on Windows: FindFirstFileW/FindNextFileW, file attributes, and
// the volume and file index of an opened directory as its identity.
#include "platform/KzDirectory.h"
#include "platform/windows/KzWin32.h"

#include <cerrno>
#include <new>
#include <string>
#include <windows.h>

namespace kivparser {

namespace {

// The enumeration: the search handle, the entry found but not yet delivered,
// and the name last delivered.
struct Search {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found;
    bool pending = false;
    std::string name;
};

bool isHidden(const WIN32_FIND_DATAW& data)
{
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
        return true;
    const wchar_t* name = data.cFileName;
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

DWORD attributesOf(const char* path)
{
    std::wstring wide;
    if (!path || !kzWideName(path, wide) || wide.empty())
        return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(wide.c_str());
}

} // namespace

KzDirectory::KzDirectory(const char* path) : handle(nullptr), error(0)
{
    std::wstring pattern;
    if (!path) {
        error = EINVAL;
        return;
    }
    if (!kzWideName(path, pattern)) {
        error = errno;
        return;
    }
    Search* search = new (std::nothrow) Search;
    if (!search) {
        error = ENOMEM;
        return;
    }
    try {
        if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
            pattern += L'\\';
        pattern += L'*';
    } catch (...) {
        delete search;
        error = ENOMEM;
        return;
    }
    search->find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &search->found, FindExSearchNameMatch,
                                    nullptr, 0);
    if (search->find == INVALID_HANDLE_VALUE) {
        DWORD code = GetLastError();
        delete search;
        // A file where a directory was asked for.
        DWORD attributes = attributesOf(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            error = ENOTDIR;
        else
            error = kzErrnoFromWin32(code);
        return;
    }
    search->pending = true;
    handle = search;
}

KzDirectory::~KzDirectory()
{
    Search* search = static_cast<Search*>(handle);
    if (!search)
        return;
    FindClose(search->find);
    delete search;
}

const char* KzDirectory::nextEntry()
{
    Search* search = static_cast<Search*>(handle);
    if (!search)
        return nullptr;
    for (;;) {
        if (!search->pending && !FindNextFileW(search->find, &search->found))
            return nullptr;
        search->pending = false;
        // A name that has no form in the locale's code set could not be
        // opened by its narrow name: it is left out like a hidden one.
        if (!isHidden(search->found) && kzNarrowName(search->found.cFileName, search->name))
            return search->name.c_str();
    }
}

int KzDirectory::isDirectory(const char* path, KzFileId* id)
{
    DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    if (!id)
        return 1;
    // The identity of the directory itself, links followed: the volume and
    // the file index of an open handle.
    std::wstring wide;
    kzWideName(path, wide);
    HANDLE opened = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL known = GetFileInformationByHandle(opened, &info);
    CloseHandle(opened);
    if (!known)
        return 0;
    id->device = info.dwVolumeSerialNumber;
    id->inode = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return 1;
}

int KzDirectory::isLink(const char* path)
{
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? 1 : 0;
}

int KzDirectory::canAccess(const char* path)
{
    // Windows has no search permission to test: a directory that is there
    // can be listed unless its list is refused, which the listing reports.
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

} // namespace kivparser
