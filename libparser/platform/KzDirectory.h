#ifndef KIVPARSER_PLATFORM_KZDIRECTORY_H
#define KIVPARSER_PLATFORM_KZDIRECTORY_H

namespace kivparser {

// Directory enumeration and the file tests of the loaders. A name that begins
// with a dot is hidden on this platform; hidden entries (and "." and "..")
// are never delivered.
class KzDirectory final {
public:
    // Starts the enumeration of `path`; isOpen() tells whether it could start.
    explicit KzDirectory(const char* path);
    ~KzDirectory();

    bool isOpen() const { return handle != nullptr; }

    // Name of the next visible entry, or null at the end. The text lives
    // until the next call or the end of the enumeration.
    const char* nextEntry();

    // 1 when a status query of `path` succeeds and reports a directory.
    static int isDirectory(const char* path);
    // 1 when `path` may be read and searched (the loaders' access test).
    static int canAccess(const char* path);
    // 1 when `name` is hidden from directory listings.
    static int isHidden(const char* name);

private:
    void* handle; // the system's enumeration, kept out of this header

    KzDirectory(const KzDirectory&) = delete;
    KzDirectory& operator=(const KzDirectory&) = delete;
};

} // namespace kivparser

#endif
