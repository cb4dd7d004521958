#ifndef KIVPARSER_TOOL_LSP_FILEURI_H
#define KIVPARSER_TOOL_LSP_FILEURI_H

#include <string>

// file: URIs and the paths they name, as editors write them: percent-escapes
// for bytes outside the unreserved set, "file:///c%3A/x" for a drive letter.
class FileUri {
public:
    // The path of a file: URI; empty when `uri` is not one.
    static std::string toPath(const std::string& uri);
    // The file: URI of an absolute path.
    static std::string fromPath(const std::string& path);
    // The path as the file system knows it: absolute, without "." and "..",
    // symbolic links resolved as far as the path exists. Two names of one
    // file give the same text.
    static std::string canonical(const std::string& path);
};

#endif
