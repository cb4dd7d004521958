#ifndef KIVPARSER_WEB_KIVPARSERNATIVE_H
#define KIVPARSER_WEB_KIVPARSERNATIVE_H

#include <kivparser/export.h>
// The style sheet of the dynamic views and the icon URLs of the web client.
// The Java native methods of com.zeta.kz.topology.KivParserNative are thin
// wrappers around kivParserSetStyleXMLURLandCreateIfNeeded and
// kivParserGetIconUrl. All of this shares one process-wide symbol
// registration cache; every function that touches it (or the shared directory
// buffer of dvStyleXmlRootPath) holds the library's parse lock, so calls from
// several threads are served one after the other. What getSymbolClass and
// dvStyleXmlRootPath return stays valid only until the next call of these
// functions, on any thread.

#include <cstdio>

namespace kivparser {

class SymbolRegistration;
class SymbolClass;
class String;

// Sizes of the fixed buffers: URLs and error messages, paths, template lines.
enum {
    KIV_WEB_URL_LEN = 1024,
    KIV_WEB_ERRMSG_LEN = 1024,
    KIV_WEB_PATH_LEN = 512,
    KIV_WEB_LINE_LEN = 5120
};

// Releases the cached symbol registration (the style sheet and the icon
// URLs load it again when they next need it). A host that is done with both
// may call it to give the memory back.
KIVPARSER_API void kivParserReleaseSymbolCache();

// Writes the style sheet's URL into `urlMem` (KIV_WEB_URL_LEN bytes) and
// generates the style sheet when `force` is non-zero or the file does not
// exist. `langDir` has no effect: the style sheet lives under the locale
// directory C. Returns 0, or -1 with the reason in `errMsg` (`errLen` bytes).
KIVPARSER_API int kivParserSetStyleXMLURLandCreateIfNeeded(char* urlMem, int force, const char* langDir,
                                             char* errMsg, int errLen);

// "dvStyleV7.xml".
KIVPARSER_API const char* dvStyleXmlFileName();

// The style sheet directory of a locale directory: the expanded
// %KZ_PATH%/www/htdocs joined with `localeDir`, then "dynamicViews". The text
// lives in one shared buffer that every call overwrites; it is empty when the
// path does not fit the buffer.
KIVPARSER_API const char* dvStyleXmlRootPath(const char* localeDir);

// Generates `xmlOutputFile` from `xmlTemplateFile`: the date marker line
// becomes a comment with the generation time, the symbols marker line becomes
// the symbol styles, and the first "__BASEURL__" of every other line becomes
// the server's base URL. Returns 0, or -1 with a message in `errBuf`, which
// must hold at least KIV_WEB_ERRMSG_LEN bytes; a partly written output file
// is deleted.
KIVPARSER_API int symCreateStyleXML(const char* xmlTemplateFile, const char* xmlOutputFile, char* errBuf,
                      int errBufLen);

// Writes the style elements of every icon class, after a forced reload of the
// symbol registration. Returns 0, or -1 with the loader's message in `errBuf`.
KIVPARSER_API int outputSymbolXML(FILE* fp, char* errBuf, int errBufLen, const char* serverName,
                    const char* portSuffixStr);

// Writes the style elements of one class: nothing unless it is of icon variety
// and has types; then its generic element and one element (or, for a type
// without bitmap facts, one comment) per type.
KIVPARSER_API void outputSymbolForClass(FILE* fp, const char* bitmapdir, const char* serverName,
                          const char* portSuffixStr, const SymbolClass* sc);

// Writes one NodeStyle element. The Image line is written only for a non-empty
// `filebase`; it lists the sizes of 50 and more or, when there are none, the
// largest size.
KIVPARSER_API void printNodeStyle(FILE* fp, const char* comment, const char* symType, const char* symSubType,
                    const char* shape, const char* serverName, const char* portSuffixStr,
                    const char* kzDocsSuffixPath, const char* filebase,
                    String* availableBitmapSizes);

// The outline shape drawn for the symbols of a class.
KIVPARSER_API const char* getShapeStyleForSymbol(const SymbolClass* sc);

// Copies `fileBaseDir` into `fixedFileBaseDir` (at least as long) with every
// backslash turned into a slash.
KIVPARSER_API void copyFileBaseDirForWindows(char* fixedFileBaseDir, const char* fileBaseDir);

// The cached class list head; loads the symbol registration with the bitmap
// sizes of `bitmapdir` when `forceReload` is non-zero or nothing is cached.
// Null, with a message in `errBuf`, when there is nothing to return.
KIVPARSER_API SymbolClass* getSymbolClass(int forceReload, const char* bitmapdir, char* errBuf, int errBufLen);

// Writes into `urlMem` (KIV_WEB_URL_LEN bytes) the URL of the largest bitmap of
// the symbol type named by `symClassAndType` ("Class:Type"), or the default
// icon's URL when the symbol or its bitmaps are unknown.
KIVPARSER_API void kivParserGetIconUrl(char* urlMem, const char* symClassAndType);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::KIV_WEB_URL_LEN;
using kivparser::KIV_WEB_ERRMSG_LEN;
using kivparser::KIV_WEB_PATH_LEN;
using kivparser::KIV_WEB_LINE_LEN;
using kivparser::kivParserSetStyleXMLURLandCreateIfNeeded;
using kivparser::dvStyleXmlFileName;
using kivparser::dvStyleXmlRootPath;
using kivparser::symCreateStyleXML;
using kivparser::outputSymbolXML;
using kivparser::outputSymbolForClass;
using kivparser::printNodeStyle;
using kivparser::getShapeStyleForSymbol;
using kivparser::copyFileBaseDirForWindows;
using kivparser::getSymbolClass;
using kivparser::kivParserGetIconUrl;
using kivparser::kivParserReleaseSymbolCache;
#endif

#endif
