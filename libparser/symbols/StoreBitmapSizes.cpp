// Bitmap size discovery: which pixel sizes are installed for the file base of
// every symbol type, and in which directory.
//
// Bitmaps are files named base.number.ext below the language (and C)
// subdirectories of a bitmap directory. The file list is split once into a
// table; each type then takes the first file of its base anywhere in the
// sorted list, and the bitmap files of the same base that directly follow it
// (files that are not bitmaps are passed over, a bitmap of another base ends
// the run, even when the run goes on into another directory). The directory
// reported is the one of the first file.

#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/language/ParserErr.h"

#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "kivparser/loading/FileList.h"
#include "language/ParseLock.h"
#include "platform/KzPlatform.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolType.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace kivparser {

namespace {

// One file of the list that has the form base.number.ext with the wanted
// extension; each part a heap copy.
struct BitmapInfo {
    char* filebase;
    char* number;
    char* dirbase; // below the bitmap directory, language directory first

    ~BitmapInfo()
    {
        free(filebase);
        free(number);
        free(dirbase);
    }
};

// One slot per file of the list, null for files that are not bitmaps. The
// table and the scan state live for one StoreBitmapSizes call only.
BitmapInfo** _bitmapInfoTbl = nullptr;
int _bitmapInfoTblSize = 0;

int _findFileBase_index = 0;
char* _findFileBase_symbolFileBase = nullptr;
FileList* _findFileBase_f = nullptr;
const char* _findFileBase_bitmapExtStr = nullptr;

char* copyPart(const char* start, size_t length)
{
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy) {
        memcpy(copy, start, length);
        copy[length] = '\0';
    }
    return copy;
}

// Memory ran out: reported, and the sizes found so far are not to be trusted.
bool outOfMemory()
{
    nomemory();
    return false;
}

// Splits the part of `filename` behind its root prefix: the directory up to
// the last separator, the base up to the first dot of the last component, the
// number up to the next dot, and the rest, which must equal `bitmapExtStr`
// exactly. Null when the name has not that form or memory runs out. The parts
// are copied at their own length, so no name is too long for them.
BitmapInfo* getFilebaseAndSize(char* filename, int rootLen, const char* bitmapExtStr)
{
    if (!filename || !bitmapExtStr || rootLen < 0 || static_cast<size_t>(rootLen) > strlen_new(filename))
        return nullptr;
    const char* p = filename + rootLen;
    const char* lastSep = _KZstrrchr(p, KZ_PATH_SEP);
    if (!lastSep)
        return nullptr;
    const char* base = lastSep + 1;
    const char* firstDot = _KZstrchr(base, '.');
    if (!firstDot)
        return nullptr;
    const char* number = firstDot + 1;
    const char* secondDot = _KZstrchr(number, '.');
    if (!secondDot)
        return nullptr;
    if (strcmp_new(secondDot + 1, bitmapExtStr) != 0)
        return nullptr;

    char* filebase = copyPart(base, static_cast<size_t>(firstDot - base));
    char* size = copyPart(number, static_cast<size_t>(secondDot - number));
    char* dirbase = copyPart(p, static_cast<size_t>(lastSep - p));
    BitmapInfo* info = nullptr;
    if (filebase && size && dirbase)
        info = new (std::nothrow) BitmapInfo{filebase, size, dirbase};
    if (!info) {
        free(filebase);
        free(size);
        free(dirbase);
        outOfMemory();
    }
    return info;
}

void findFileBaseDone()
{
    for (int i = 0; i < _bitmapInfoTblSize; ++i)
        delete _bitmapInfoTbl[i];
    delete[] _bitmapInfoTbl;
    _bitmapInfoTbl = nullptr;
    _bitmapInfoTblSize = 0;
    _findFileBase_index = 0;
    _findFileBase_symbolFileBase = nullptr;
    _findFileBase_f = nullptr;
    _findFileBase_bitmapExtStr = nullptr;
}

// Fills the table from the list; the number of files, or -1 when the table
// cannot be allocated.
int findFileBaseInit(FileList* f, const char* bitmapExtStr)
{
    findFileBaseDone();
    int count = f->getNumOfFiles();
    _bitmapInfoTbl = new (std::nothrow) BitmapInfo*[count > 0 ? count : 1];
    if (!_bitmapInfoTbl) {
        outOfMemory();
        return -1;
    }
    _bitmapInfoTblSize = count;
    for (int i = 0; i < count; ++i) {
        FileInfo* file = f->getFileInfo(i);
        _bitmapInfoTbl[i] = getFilebaseAndSize(file->filename, file->rootLen, bitmapExtStr);
    }
    return count;
}

// The size written in a bitmap name: its leading decimal digits, 0 when it
// starts with none, never more than the largest int.
int sizeOf(const char* number)
{
    long long value = 0; // long may be no wider than int (Windows)
    for (const char* p = number; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

// Scans the table from `*index` for a bitmap of `symbolFileBase`. With
// `isAll` every bitmap of another base is passed over, without it the first
// one ends the scan. Every bitmap examined leaves its directory in
// `*fileBaseDir` when that is given (so a match leaves its own).
int _findFileBase(char* symbolFileBase, FileList* f, int* index, int isAll, const char* bitmapExtStr,
                  char** fileBaseDir)
{
    (void)bitmapExtStr;
    if (!symbolFileBase || !f) {
        ++*index;
        return -1;
    }
    int slot = *index;
    for (; slot < _bitmapInfoTblSize && f->getFileName(slot); ++slot) {
        BitmapInfo* info = _bitmapInfoTbl[slot];
        if (!info)
            continue;
        if (fileBaseDir)
            *fileBaseDir = info->dirbase;
        if (strcmp_new(info->filebase, symbolFileBase) == 0) {
            *index = slot + 1;
            return sizeOf(info->number);
        }
        if (!isAll)
            break;
    }
    *index = slot + 1;
    return -1;
}

int findFileBaseFirst(char* symbolFileBase, FileList* f, const char* bitmapExtStr, char** fileBaseDir)
{
    _findFileBase_index = 0;
    _findFileBase_symbolFileBase = symbolFileBase;
    _findFileBase_f = f;
    _findFileBase_bitmapExtStr = bitmapExtStr;
    return _findFileBase(symbolFileBase, f, &_findFileBase_index, 1, bitmapExtStr, fileBaseDir);
}

int findFileBaseNext()
{
    return _findFileBase(_findFileBase_symbolFileBase, _findFileBase_f, &_findFileBase_index, 0,
                         _findFileBase_bitmapExtStr, nullptr);
}

// Records the sizes and directory of one type; false when memory ran out.
bool storeSizes(SymbolType* type, FileList* files, const char* bitmapExtStr)
{
    char* dir = nullptr;
    int number = findFileBaseFirst(type->fileBase, files, bitmapExtStr, &dir);
    if (number < 0)
        return true;
    String* sizes = new (std::nothrow) String();
    if (!sizes)
        return outOfMemory();
    for (; number >= 0; number = findFileBaseNext()) {
        String* size = new (std::nothrow) String(number);
        if (!size) {
            SListOps::disposeList(sizes);
            return outOfMemory();
        }
        sizes->append(size);
    }
    char* dirCopy = nullptr;
    if (dir) {
        dirCopy = _strdup(dir);
        if (!dirCopy) {
            SListOps::disposeList(sizes);
            return outOfMemory();
        }
    }
    type->setAvailableBitmapSizes(sizes);
    type->setFileBaseDir(dirCopy);
    return true;
}

} // namespace

void SymbolRegistration::StoreBitmapSizes(const char* dirname, int fastMode, const char* bitmapExtStr)
{
    ParseLock lock;
    (void)fastMode;
    FileList* files = new (std::nothrow) FileList(dirname, 0, 1, 0);
    if (!files) {
        outOfMemory();
        return;
    }
    if (findFileBaseInit(files, bitmapExtStr) >= 0 && symbolClasses) {
        bool going = true;
        for (SymbolClass* symbolClass = symbolClasses->next(); symbolClass && going; symbolClass = symbolClass->next()) {
            SymbolType* head = symbolClass->symbolTypes;
            for (SymbolType* type = head ? head->next() : nullptr; type && going; type = type->next())
                going = storeSizes(type, files, bitmapExtStr);
        }
    }
    findFileBaseDone();
    delete files;
}

} // namespace kivparser
