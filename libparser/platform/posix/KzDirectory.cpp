// Directories on POSIX systems: opendir/readdir, stat and access.
#include "platform/KzDirectory.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kivparser {

namespace {

// A name that begins with a dot is hidden here ("." and ".." among them).
bool isHidden(const char* name)
{
    return name[0] == '.';
}

} // namespace

KzDirectory::KzDirectory(const char* path) : handle(nullptr), error(0)
{
    handle = path ? opendir(path) : nullptr;
    if (!handle)
        error = path ? errno : EINVAL;
}

KzDirectory::~KzDirectory()
{
    if (handle)
        closedir(static_cast<DIR*>(handle));
}

const char* KzDirectory::nextEntry()
{
    if (!handle)
        return nullptr;
    while (struct dirent* found = readdir(static_cast<DIR*>(handle))) {
        if (!isHidden(found->d_name))
            return found->d_name;
    }
    return nullptr;
}

int KzDirectory::isDirectory(const char* path, KzFileId* id)
{
    struct stat info;
    if (!path || stat(path, &info) != 0 || !S_ISDIR(info.st_mode))
        return 0;
    if (id) {
        id->device = static_cast<unsigned long long>(info.st_dev);
        id->inode = static_cast<unsigned long long>(info.st_ino);
    }
    return 1;
}

int KzDirectory::isLink(const char* path)
{
    struct stat info;
    return path && lstat(path, &info) == 0 && S_ISLNK(info.st_mode) ? 1 : 0;
}

int KzDirectory::canAccess(const char* path)
{
    return path && access(path, R_OK | X_OK) == 0 ? 1 : 0;
}

} // namespace kivparser
