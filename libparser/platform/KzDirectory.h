// Private: included by the platform and loading folders.
#ifndef KIVPARSER_PLATFORM_KZDIRECTORY_H
#define KIVPARSER_PLATFORM_KZDIRECTORY_H

namespace kivparser {

// What tells two directories apart whatever names lead to them: the device
// and the file number on it.
struct KzFileId {
    unsigned long long device;
    unsigned long long inode;

    bool operator<(const KzFileId& other) const
    {
        return device != other.device ? device < other.device : inode < other.inode;
    }
};

// Directory enumeration and the file tests of the loaders. Hidden entries
// (and "." and "..") are never delivered: on POSIX systems a name that begins
// with a dot is hidden; on Windows an entry with the hidden or the system
// attribute.
class KzDirectory final {
public:
    // Starts the enumeration of `path`; isOpen() tells whether it could start,
    // openError() why not.
    explicit KzDirectory(const char* path);
    ~KzDirectory();

    bool isOpen() const { return handle != nullptr; }
    // The system's error number of a start that failed; 0 after a good start.
    int openError() const { return error; }

    // Name of the next visible entry, or null at the end. The text lives
    // until the next call or the end of the enumeration.
    const char* nextEntry();

    // 1 when a status query of `path` succeeds and reports a directory; `id`,
    // when given, then receives its identity. Symbolic links are followed.
    static int isDirectory(const char* path, KzFileId* id = nullptr);
    // 1 when `path` itself is a symbolic link (on Windows: any reparse point,
    // a junction too).
    static int isLink(const char* path);
    // 1 when `path` may be read and searched (the loaders' access test).
    static int canAccess(const char* path);

private:
    void* handle; // the system's enumeration, kept out of this header
    int error;

    KzDirectory(const KzDirectory&) = delete;
    KzDirectory& operator=(const KzDirectory&) = delete;
};

} // namespace kivparser

#endif
