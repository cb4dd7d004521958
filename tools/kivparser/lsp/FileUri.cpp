#include "lsp/FileUri.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool unreserved(unsigned char c)
{
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

} // namespace

std::string FileUri::toPath(const std::string& uri)
{
    const std::string scheme = "file://";
    if (uri.size() < scheme.size())
        return "";
    for (std::size_t i = 0; i < scheme.size(); i++) {
        if (std::tolower(static_cast<unsigned char>(uri[i])) != scheme[i])
            return "";
    }
    // An authority ("file://host/path") other than the local host names a
    // file elsewhere.
    std::size_t slash = uri.find('/', scheme.size());
    if (slash == std::string::npos)
        return "";
    std::string host = uri.substr(scheme.size(), slash - scheme.size());
    if (!host.empty() && host != "localhost")
        return "";
    std::string path;
    for (std::size_t i = slash; i < uri.size(); i++) {
        char c = uri[i];
        if (c == '?' || c == '#')
            break;
        if (c == '%' && i + 2 < uri.size() && hexValue(uri[i + 1]) >= 0 && hexValue(uri[i + 2]) >= 0) {
            path.push_back(static_cast<char>(hexValue(uri[i + 1]) * 16 + hexValue(uri[i + 2])));
            i += 2;
            continue;
        }
        path.push_back(c);
    }
#ifdef _WIN32
    // "/c:/x" is "c:/x".
    if (path.size() >= 3 && path[0] == '/' && std::isalpha(static_cast<unsigned char>(path[1])) && path[2] == ':')
        path.erase(0, 1);
#endif
    return path;
}

std::string FileUri::fromPath(const std::string& path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string uri = "file://";
    std::string from = path;
#ifdef _WIN32
    for (char& c : from) {
        if (c == '\\')
            c = '/';
    }
    if (!from.empty() && from[0] != '/')
        from.insert(0, 1, '/');
#endif
    for (char c : from) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (unreserved(byte)) {
            uri.push_back(c);
        } else {
            uri.push_back('%');
            uri.push_back(digits[byte >> 4]);
            uri.push_back(digits[byte & 15]);
        }
    }
    return uri;
}

std::string FileUri::canonical(const std::string& path)
{
    if (path.empty())
        return path;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    if (error)
        return absolute.lexically_normal().string();
    return resolved.string();
}
