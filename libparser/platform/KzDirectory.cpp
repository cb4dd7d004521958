#include "platform/KzDirectory.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kivparser {

KzDirectory::KzDirectory(const char* path) : handle(path ? opendir(path) : nullptr) {}

KzDirectory::~KzDirectory()
{
    if (handle)
        closedir(static_cast<DIR*>(handle));
}

const char* KzDirectory::nextEntry()
{
    if (!handle)
        return nullptr;
    while (struct dirent* entry = readdir(static_cast<DIR*>(handle))) {
        if (!isHidden(entry->d_name))
            return entry->d_name;
    }
    return nullptr;
}

int KzDirectory::isDirectory(const char* path)
{
    struct stat info;
    if (!path || stat(path, &info) != 0)
        return 0;
    return S_ISDIR(info.st_mode) ? 1 : 0;
}

int KzDirectory::canAccess(const char* path)
{
    return path && access(path, R_OK | X_OK) == 0 ? 1 : 0;
}

int KzDirectory::isHidden(const char* name)
{
    return name && name[0] == '.' ? 1 : 0;
}

} // namespace kivparser
