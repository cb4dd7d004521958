#ifndef KIVPARSER_LOADING_FILELIST_H
#define KIVPARSER_LOADING_FILELIST_H

#include <kivparser/export.h>
namespace kivparser {

// One file found below a registration directory.
struct FileInfo {
    char* filename; // full path: directory entry, separator, language or C subdirectory, relative path
    int rootLen;    // length of the directory entry plus one separator
};

// Every registration file below a list of registration directories.
//
// Each directory entry holds one subdirectory per language (named after the
// character-type locale) and the subdirectory C of the default language. The
// language subdirectory is walked recursively and completed with the files
// that exist only under C; then the whole list is sorted so that the priority
// file of the running program comes first and the others follow in the
// locale's collation order of their full paths.
//
// Paths are held in buffers of FILELIST_MAX_PATH characters: a directory
// entry that would make a longer language path, and any file or directory
// found below it whose full name is longer, is reported ("too long path
// name(%d); ignore") and skipped. The directory list itself may be of any
// length. Empty entries of the list are passed over.
//
// Symbolic links are followed, but every directory is entered once, known by
// its identity on disk whatever name leads to it: a link back to a directory
// that holds it (a loop) is reported once and not followed, and a directory
// reached through a link as well as under its own name (or through two links)
// is listed once, under its own name or else the link the walk follows first
// (entries are taken in name order, whatever order the system gives). A
// directory that cannot be read is reported with the system's reason and
// gives no files; the walk goes on with its siblings. When memory runs out
// the list is given up: it is reported, counted as an error, and holds no
// file at all (rather than some of them).
class KIVPARSER_API FileList final {
public:
    enum { FILELIST_MAX_PATH = 255, FILELIST_GROWTH = 128 };

    // Builds the whole list. `talkative` non-zero prints each error;
    // `useAltPath` 0 never completes from C, 1 completes every entry, 2 only
    // the entries below the configuration directory. `reportSkipped` non-zero
    // prints, even when `talkative` is 0, the errors that lose files: names
    // too long, link loops and directories that cannot be read (the loaders
    // pass their own verbose flag here).
    FileList(const char* dirPath, int talkative, int useAltPath, int reportSkipped);
    ~FileList();

    // Entry `i`, or null when `i` is out of range. The list keeps ownership.
    char* getFileName(int i);
    FileInfo* getFileInfo(int i);
    int getNumOfFiles() { return fileCount; }

    // Counts one error and, when verbose, prints it with the error text of
    // `errnoValue` (empty when 0).
    void logError(const char* msg, int errnoValue);

    FileInfo* fileList;
    int fileListSize;
    int fileCount;
    int rootLength;
    int langLength;
    int errors;
    int verbose;

    // The list most recently constructed (null again once it is destroyed).
    static FileList* current;

private:
    // One walk below a language or C subdirectory (FileList.cpp).
    struct Walk;

    // An empty list that collects the files of one C subdirectory.
    FileList();

    // These three give -1 when memory ran out, which ends the list.
    int scanEntry(const char* entry, int& useAltPath, const char* lang, int loud);
    int scanDirectory(const char* dir, int rootLen, FileList* into, int loud);
    int addFile(const char* name, int rootLen);
    int completeFrom(int startCount, FileList* alt, int offset, int altOffset);
    void outOfMemory();
    // Counts one error and prints it when `print` is non-zero.
    void report(const char* msg, int errnoValue, int print);
    void logTooLong(int length, int print);
    void clear();
    void sort();

    FileList(const FileList&) = delete;
    FileList& operator=(const FileList&) = delete;
};

// Number of characters to cut from `path` to remove its final component when
// that component is `suf` (compared without regard to case): the length of
// `suf` plus one when `path` ends in a separator and `suf`, or in a separator,
// `suf` and one more separator; otherwise 0, also when either is null or
// empty. Both '/' and '\' separate.
KIVPARSER_API int matchPathEnd(const char* path, const char* suf);

// 1 when both paths are null, or both have the same length and are equal
// without regard to case; else 0.
KIVPARSER_API int pathsMatch(const char* p1, const char* p2);

// The order of every file list: a name ending in the priority file comes
// first, then the locale's collation of the full names.
KIVPARSER_API int fileListOrder(const char* a, const char* b);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::FileInfo;
using kivparser::FileList;
using kivparser::matchPathEnd;
using kivparser::pathsMatch;
using kivparser::fileListOrder;
#endif

#endif
