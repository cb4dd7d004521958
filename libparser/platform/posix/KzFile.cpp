// Files on POSIX systems: registration files opened without waiting and kept
// only when regular, status queries and deletion.
#include "platform/KzPlatform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kivparser {

FILE* fopen_new(const char* path, const char* mode) { return fopen(path, mode); }
int fclose_new(FILE* stream) { return fclose(stream); }

bool _KZpathExists(const char* path)
{
    struct stat status;
    return path && stat(path, &status) == 0;
}

bool _KZisRegularFile(const char* path)
{
    struct stat status;
    return path && stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

int _KZremoveFile(const char* path)
{
    return remove(path);
}

FILE* _KZcreateSibling(const char* path, char* siblingPath, size_t size, int* reason)
{
    int n = snprintf(siblingPath, size, "%s.XXXXXX", path);
    if (n < 0 || static_cast<size_t>(n) >= size) {
        *reason = ENAMETOOLONG;
        return nullptr;
    }
    int fd = mkstemp(siblingPath);
    if (fd < 0) {
        *reason = errno;
        return nullptr;
    }
    // mkstemp makes it for its owner alone; the web server must read it.
    // (The umask cannot be read without changing it for every thread.)
    fchmod(fd, 0644);
    FILE* stream = fdopen(fd, "w");
    if (!stream) {
        *reason = errno;
        close(fd);
        unlink(siblingPath);
    }
    return stream;
}

int _KZreplaceFile(const char* siblingPath, const char* path)
{
    return rename(siblingPath, path);
}

// No text mode here: the readers drop the carriage return of CR LF.
const bool _KZtextModeReads = false;

FILE* _KZopenRegularFile(const char* path, int* reason)
{
    // Without O_NONBLOCK the open of a FIFO waits for a writer, for ever.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *reason = errno;
        return nullptr;
    }
    // The type that counts is that of what was opened: the path may have
    // been replaced since anyone looked at it.
    struct stat status;
    if (fstat(fd, &status) != 0) {
        *reason = errno;
        close(fd);
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        *reason = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return nullptr;
    }
    // A regular file never blocks; the descriptor goes on in the ordinary mode.
    int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    FILE* stream = fdopen(fd, "r");
    if (!stream) {
        *reason = errno;
        close(fd);
    }
    return stream;
}

long _KZreadFile(FILE* stream, char* buffer, size_t size)
{
    ssize_t n;
    do {
        n = read(fileno(stream), buffer, size);
    } while (n < 0 && errno == EINTR);
    return static_cast<long>(n);
}

} // namespace kivparser
