#ifndef KIVPARSER_SYMBOLS_FILEPATH_H
#define KIVPARSER_SYMBOLS_FILEPATH_H

#include <kivparser/export.h>
namespace kivparser {

// A registered file path that a consumer can make absolute under a root
// directory, optionally inside the language subdirectory.
class KIVPARSER_API FilePath final {
public:
    explicit FilePath(char* path);
    ~FilePath();

    // 0 when the path begins with a separator, or with a drive letter, a colon
    // and a separator; otherwise 1. Both '/' and '\' count as separators.
    int isRelativePath();
    // Turns a relative path into root/[LANG/]path ("C" when LANG is unset or
    // empty). Nothing happens for a null root or an absolute path, nor when the
    // new path cannot be allocated.
    void makeAbsPath(char* root, int withLang);

    char* path;

private:
    FilePath(const FilePath&) = delete;
    FilePath& operator=(const FilePath&) = delete;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::FilePath;
#endif

#endif
