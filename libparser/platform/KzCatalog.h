// Private: included by KzCatalog.cpp and the message catalog (language/MessageCatalog.cpp).
#ifndef KIVPARSER_PLATFORM_KZCATALOG_H
#define KIVPARSER_PLATFORM_KZCATALOG_H

namespace kivparser {

// A message catalog, found by name through NLSPATH. On POSIX systems it is a
// catalog of the C library (gencat's, read with catopen and catgets); on
// Windows the build compiles the same message source into a catalog of the
// library's own, found through NLSPATH (a ';' list of patterns, %N the name)
// or beside the DLL.
class KzCatalog final {
public:
    KzCatalog() = default;

    // Opens the catalog `name` (a catalog already open is closed first);
    // false when there is none to open.
    bool open(const char* name);
    void close();
    bool isOpen() const { return handle != nullptr; }

    // The text of message `n` of set `set`, or `fallback` when the catalog
    // has none (or is not open).
    char* text(int set, int n, char* fallback) const;

private:
    void* handle = nullptr;

    KzCatalog(const KzCatalog&) = delete;
    KzCatalog& operator=(const KzCatalog&) = delete;
};

} // namespace kivparser

#endif
