#include "kivparser/loading/FileList.h"

#include "kivparser/application/Application.h"
#include "kivparser/language/MessageCatalog.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "platform/KzDirectory.h"
#include "platform/KzEnvironment.h"
#include "platform/KzPlatform.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace kivparser {

FileList* FileList::current = nullptr;

namespace {

// Formatted messages are built in buffers of this size.
const size_t MESSAGE_BUFFER = 512;

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// The first `n` bytes of `a` and `b` are equal without regard to case.
bool equalNoCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool startsWithNoCase(const char* text, const char* prefix)
{
    size_t n = strlen(prefix);
    return strlen(text) >= n && equalNoCase(text, prefix, n);
}

int compareFileInfo(const void* a, const void* b)
{
    return fileListOrder(static_cast<const FileInfo*>(a)->filename, static_cast<const FileInfo*>(b)->filename);
}

// One element of the work array of the completion: a path relative to the
// language (or C) subdirectory, and where it came from.
struct RelativeName {
    const char* rel;
    const char* full;
    int fromC;
};

int compareRelativeName(const void* a, const void* b)
{
    const RelativeName* x = static_cast<const RelativeName*>(a);
    const RelativeName* y = static_cast<const RelativeName*>(b);
    int order = fileListOrder(x->rel, y->rel);
    return order ? order : x->fromC - y->fromC;
}

} // namespace

// One walk below a language or C subdirectory. The entries of a directory are
// taken in name order; real subdirectories are walked at once, links to
// directories wait until everything reachable without a link is listed, so a
// directory that is also reached through a link keeps its own name. Every
// directory is entered once, known by its identity: a link back to a
// directory on its own path is a loop and reported; any other second way into
// a directory is passed over, its files being listed already.
struct FileList::Walk {
    struct Link {
        std::string path;
        KzFileId id;
    };

    FileList* owner; // counts (and prints) the errors
    FileList* into;  // receives the files
    int rootLen;
    int loud;
    std::map<KzFileId, std::string> entered; // the name each directory was entered under
    std::vector<Link> links;                 // links to directories, in the order met

    // Lists everything below `top`; negative when an addition failed, which
    // ends the walk.
    int run(const char* top, const KzFileId& id)
    {
        int result = enter(top, id);
        // Links met behind links join the end of the queue.
        for (size_t i = 0; result >= 0 && i < links.size(); ++i) {
            Link link = links[i];
            result = enter(link.path.c_str(), link.id);
        }
        return result;
    }

    int enter(const char* dir, const KzFileId& id)
    {
        auto placed = entered.emplace(id, dir);
        if (!placed.second) {
            const std::string& first = placed.first->second;
            if (strncmp(dir, first.c_str(), first.size()) == 0 && isSeparator(dir[first.size()]))
                owner->report(dir, ELOOP, loud);
            return 0;
        }
        std::vector<std::string> names;
        {
            KzDirectory entries(dir);
            if (!entries.isOpen()) {
                if (entries.openError() == ENOMEM)
                    return -1;
                owner->report(dir, entries.openError(), loud);
                return 0;
            }
            while (const char* name = entries.nextEntry())
                names.emplace_back(name);
        }
        std::sort(names.begin(), names.end());

        size_t dirLen = strlen(dir);
        char full[FILELIST_MAX_PATH + 1];
        for (const std::string& name : names) {
            size_t fullLen = dirLen + 1 + name.size();
            if (fullLen > FILELIST_MAX_PATH) {
                owner->logTooLong(static_cast<int>(fullLen), loud);
                continue;
            }
            snprintf(full, sizeof full, "%s%c%s", dir, KZ_PATH_SEP, name.c_str());
            KzFileId sub;
            if (!KzDirectory::isDirectory(full, &sub)) {
                if (into->addFile(full, rootLen) < 0)
                    return -1;
            } else if (KzDirectory::isLink(full)) {
                links.push_back(Link{full, sub});
            } else if (enter(full, sub) < 0) {
                return -1;
            }
        }
        return 0;
    }
};

int pathsMatch(const char* p1, const char* p2)
{
    if (!p1 || !p2)
        return !p1 && !p2 ? 1 : 0;
    size_t len = strlen(p1);
    if (len != strlen(p2))
        return 0;
    return equalNoCase(p1, p2, len) ? 1 : 0;
}

int matchPathEnd(const char* path, const char* suf)
{
    if (!path || !suf || !*path || !*suf)
        return 0;
    size_t pathLen = strlen(path);
    size_t sufLen = strlen(suf);
    size_t endSep = isSeparator(path[pathLen - 1]) ? 1 : 0;
    size_t cLen = sufLen + endSep;
    if (pathLen < cLen + 1 || !isSeparator(path[pathLen - cLen - 1]))
        return 0;
    // The trailing separator, if any, is the path's own: only the component
    // itself needs comparing.
    if (!equalNoCase(path + pathLen - cLen, suf, sufLen))
        return 0;
    return static_cast<int>(sufLen + 1);
}

int fileListOrder(const char* a, const char* b)
{
    const char* priorityFile = Application::getPriorityFile();
    if (priorityFile) {
        bool first = matchPathEnd(a, priorityFile) > 0;
        bool second = matchPathEnd(b, priorityFile) > 0;
        if (first != second)
            return first ? -1 : 1;
    }
    // Byte order settles what the collation leaves equal, so that equal
    // names always end up side by side.
    int order = strcoll_new(a, b);
    return order ? order : strcmp_new(a, b);
}

FileList::FileList()
    : fileList(nullptr), fileListSize(0), fileCount(0), rootLength(0), langLength(0), errors(0), verbose(0)
{
}

FileList::FileList(const char* dirPath, int talkative, int useAltPath, int reportSkipped)
    : fileList(nullptr), fileListSize(0), fileCount(0), rootLength(0), langLength(0), errors(0),
      verbose(talkative)
{
    ParseLock lock;
    current = this;
    int loud = talkative || reportSkipped ? 1 : 0;
    char* lang = _strdup(KzEnvironment::languageName());
    if (!lang) {
        outOfMemory();
        return;
    }
    langLength = static_cast<int>(strlen(lang));

    // The splitter keeps a copy of its own and passes empty entries over; a
    // list with an entry that gives none could not be copied.
    if (dirPath) {
        char* entry = _KZparsePath(dirPath);
        if (!entry && strspn(dirPath, ";") != strlen(dirPath))
            outOfMemory();
        for (; entry; entry = _KZparsePath(nullptr)) {
            if (scanEntry(entry, useAltPath, lang, loud) < 0) {
                outOfMemory();
                while (_KZparsePath(nullptr))
                    ; // the splitter lets its copy go at the end
                break;
            }
        }
    }
    if (fileCount > 0)
        sort();
    free(lang);
}

// Memory ran out: a list with files missing is no list, so none is kept.
void FileList::outOfMemory()
{
    clear();
    ++errors;
    reportOutOfMemory();
}

FileList::~FileList()
{
    ParseLock lock;
    clear();
    if (current == this)
        current = nullptr;
}

void FileList::clear()
{
    for (int i = 0; i < fileCount; ++i)
        free(fileList[i].filename);
    free(fileList);
    fileList = nullptr;
    fileListSize = 0;
    fileCount = 0;
}

char* FileList::getFileName(int i)
{
    FileInfo* info = getFileInfo(i);
    return info ? info->filename : nullptr;
}

FileInfo* FileList::getFileInfo(int i)
{
    if (i < 0 || i >= fileCount)
        return nullptr;
    return &fileList[i];
}

void FileList::logError(const char* msg, int errnoValue)
{
    report(msg, errnoValue, verbose);
}

void FileList::report(const char* msg, int errnoValue, int print)
{
    ++errors;
    reportLine(RPT_ERROR, nullptr, errnoValue, print, MSG_ERROR_PAIR, msg ? msg : "",
                   errnoValue ? _KZstrerror(errnoValue) : "");
}

void FileList::logTooLong(int length, int print)
{
    char msg[MESSAGE_BUFFER];
    snprintf(msg, sizeof msg, parserMsg(MSG_PATH_TOO_LONG), length);
    report(msg, 0, print);
}

int FileList::scanEntry(const char* listEntry, int& useAltPath, const char* lang, int loud)
{
    size_t entryLen = strlen(listEntry);
    if (entryLen == 0)
        return 0;
    size_t pathLen = entryLen + 1 + static_cast<size_t>(langLength);
    if (pathLen > FILELIST_MAX_PATH) {
        logTooLong(static_cast<int>(pathLen), loud);
        return 0;
    }
    char path[FILELIST_MAX_PATH + 1];
    char altPath[FILELIST_MAX_PATH + 1];
    snprintf(path, sizeof path, "%s%c%s", listEntry, KZ_PATH_SEP, lang);
    snprintf(altPath, sizeof altPath, "%s%cC", listEntry, KZ_PATH_SEP);
    rootLength = static_cast<int>(entryLen) + 1;

    // The switch, once off, stays off for the rest of the list.
    if (strcmp_new(lang, "C") == 0) {
        useAltPath = 0;
    } else if (useAltPath == 2) {
        const char* etc = _KZGetPath("%KZ_ETC_PATH%");
        if (!etc || !startsWithNoCase(path, etc))
            useAltPath = 0;
    }

    int startCount = fileCount;
    if (!KzDirectory::isDirectory(path)) {
        char msg[MESSAGE_BUFFER];
        snprintf(msg, sizeof msg, parserMsg(MSG_DIR_NOT_FOUND), path);
        logError(msg, 0);
        return KzDirectory::isDirectory(altPath) ? scanDirectory(altPath, rootLength, this, loud) : 0;
    }
    if (scanDirectory(path, rootLength, this, loud) < 0)
        return -1;
    if (useAltPath > 0 && KzDirectory::isDirectory(altPath)) {
        FileList alt;
        if (scanDirectory(altPath, rootLength, &alt, loud) < 0)
            return -1;
        return completeFrom(startCount, &alt, rootLength + langLength + 1, rootLength + 2);
    }
    return 0;
}

// Adds every visible file below `dir` to `into`; errors are counted on this
// list. A subdirectory that cannot be read adds nothing and the walk goes on
// with its siblings, so the result never depends on the order in which the
// system returns the entries. Only memory running out ends the walk (-1).
int FileList::scanDirectory(const char* dir, int rootLen, FileList* into, int loud)
{
    KzFileId id;
    if (!KzDirectory::isDirectory(dir, &id))
        return 0;
    try {
        Walk walk{this, into, rootLen, loud, {}, {}};
        return walk.run(dir, id);
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int FileList::addFile(const char* name, int rootLen)
{
    if (fileCount >= fileListSize) {
        size_t grownSize = static_cast<size_t>(fileListSize) + FILELIST_GROWTH;
        FileInfo* grown = static_cast<FileInfo*>(realloc(fileList, grownSize * sizeof(FileInfo)));
        if (!grown) {
            clear();
            return -1;
        }
        fileList = grown;
        fileListSize = static_cast<int>(grownSize);
    }
    char* copy = _strdup(name);
    if (!copy)
        return -1;
    fileList[fileCount].filename = copy;
    fileList[fileCount].rootLen = rootLen;
    ++fileCount;
    return 0;
}

// Adds the files of the C subdirectory (in `alt`) whose relative names the
// language subdirectory does not have. `offset` is where the relative names
// of this list's new entries start, `altOffset` where those of `alt` start.
int FileList::completeFrom(int startCount, FileList* alt, int offset, int altOffset)
{
    if (!fileList || alt->fileCount == 0)
        return 0;
    int mainCount = fileCount - startCount;
    int count = mainCount + alt->fileCount;
    RelativeName* work = new (std::nothrow) RelativeName[count];
    if (!work)
        return -1;
    for (int i = 0; i < mainCount; ++i) {
        const char* name = fileList[startCount + i].filename;
        work[i] = RelativeName{name + offset, name, 0};
    }
    for (int i = 0; i < alt->fileCount; ++i) {
        const char* name = alt->fileList[i].filename;
        work[mainCount + i] = RelativeName{name + altOffset, name, 1};
    }
    qsort(work, static_cast<size_t>(count), sizeof(RelativeName), compareRelativeName);

    // Every name of `alt` is its root prefix (entry, separator, "C",
    // separator) followed by the relative name, so the full name is the one
    // to add.
    for (int i = 0; i < count;) {
        if (i + 1 < count && strcmp_new(work[i].rel, work[i + 1].rel) == 0) {
            i += 2;
            continue;
        }
        if (work[i].fromC && addFile(work[i].full, altOffset - 2) < 0) {
            delete[] work;
            return -1;
        }
        ++i;
    }
    delete[] work;
    return 0;
}

void FileList::sort()
{
    qsort(fileList, static_cast<size_t>(fileCount), sizeof(FileInfo), compareFileInfo);
}

} // namespace kivparser
