#include "kivparser/web/KivParserNative.h"
#include "web/KivParserNativeCache.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/lists/String.h"
#include "kivparser/loading/KivparserUtil.h"
#include "platform/KzPlatform.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/symbols/SymbolType.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace kivparser {

SymbolRegistration* lastSrf = nullptr;
SymbolClass* lastSymbolClass = nullptr;

namespace {

#define SEP KZ_PATH_SEP_STR

const char* const styleSheetName = "dvStyleV7.xml";
const char* const templateName = "dvStyle.xml.template";
// The style sheet is always generated for, and served from, the C locale directory.
const char* const styleLocaleDir = "C";
const char* const htdocsTemplate = "%KZ_PATH%" SEP "www" SEP "htdocs";
const char* const bitmapDirTemplate = "%KZ_PATH%" SEP "www" SEP "htdocs" SEP "bitmaps";
const char* const bitmapDirVariable = "KZwwwBitmapDir";

const char* const dateMarker = "<!-- INSERT DATE -->";
const char* const symbolsMarker = "<!-- INSERT SYMBOLS -->";
const char* const baseUrlMarker = "__BASEURL__";
const char* const unset = "(UNSET)";

// A template piece holds at most this many bytes: a line, or as much of a
// longer line as fits, in the line buffer with room for its end.
const size_t pieceMax = KIV_WEB_LINE_LEN - 2;

// Formats into a caller's message buffer of `len` bytes; nothing when there
// is no room at all.
void message(char* buf, int len, const char* fmt, ...) KIVPARSER_PRINTF(3, 4);
void message(char* buf, int len, const char* fmt, ...)
{
    if (!buf || len <= 0)
        return;
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, static_cast<size_t>(len), fmt, ap);
    va_end(ap);
}

// The path-too-long message (its catalog text ends in a newline, which a
// message handed to Java does not want).
void pathTooLong(char* buf, int len, size_t needed)
{
    message(buf, len, parserMsg(MSG_PATH_TOO_LONG), static_cast<int>(needed));
    if (buf && len > 0) {
        size_t n = strlen(buf);
        while (n > 0 && buf[n - 1] == '\n')
            buf[--n] = '\0';
    }
}

// Memory ran out somewhere in the call: the catalog's text without its line
// break.
void outOfMemory(char* buf, int len)
{
    message(buf, len, "%s", parserMsg(MSG_OUT_OF_MEMORY));
    if (buf && len > 0) {
        size_t n = strlen(buf);
        while (n > 0 && buf[n - 1] == '\n')
            buf[--n] = '\0';
    }
}

const char* orEmpty(const char* s)
{
    return s ? s : "";
}

const char* orUnset(const char* s)
{
    return s && *s ? s : unset;
}

// The local host and web server facts, copied at once: the platform layer
// keeps them in buffers that later calls overwrite.
struct ServerFacts {
    char host[KIV_WEB_URL_LEN];
    char portSuffix[KIV_WEB_URL_LEN];

    ServerFacts()
    {
        snprintf(host, sizeof host, "%s", orEmpty(_KZinetGetMyHostName()));
        snprintf(portSuffix, sizeof portSuffix, "%s", orEmpty(_KZgetWebServerDefaultPortSuffixStr()));
    }
};

bool hasTypes(const SymbolClass* sc)
{
    return sc->symbolTypes && sc->symbolTypes->_next;
}

// The largest integer of a size list; 0 for a list without elements.
int largestSize(const String* sizes)
{
    bool any = false;
    int largest = 0;
    for (const SList* e = sizes ? sizes->_next : nullptr; e; e = e->_next) {
        const String* size = static_cast<const String*>(e);
        if (size->type != V_INT)
            continue;
        if (!any || size->integer > largest)
            largest = size->integer;
        any = true;
    }
    return largest;
}

// The next piece of the template into `buf` (at least pieceMax + 1 bytes),
// NUL-terminated; returns its length, 0 at the end. A carriage return right
// before a line feed is dropped, also when the two fall into different pieces
// (by the C runtime where it reads in text mode).
size_t readPiece(FILE* in, char* buf)
{
    size_t n = 0;
    while (n < pieceMax) {
        int c = getc(in);
        if (c == EOF)
            break;
        if (c == '\r' && !_KZtextModeReads) {
            int following = getc(in);
            if (following == '\n')
                c = '\n';
            else if (following != EOF)
                ungetc(following, in);
        }
        buf[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    buf[n] = '\0';
    return n;
}

// Writes a piece, its first base-URL marker replaced by the server's base URL.
bool writePiece(FILE* out, const char* piece, size_t len, const ServerFacts& server)
{
    const char* marker = _KZstrstr(piece, baseUrlMarker);
    if (!marker)
        return fwrite(piece, 1, len, out) == len;
    size_t before = static_cast<size_t>(marker - piece);
    size_t skip = before + strlen(baseUrlMarker);
    return fwrite(piece, 1, before, out) == before &&
           fprintf(out, "http://%s%s", server.host, server.portSuffix) >= 0 &&
           fwrite(piece + skip, 1, len - skip, out) == len - skip;
}

void writeDateComment(FILE* out)
{
    time_t now = time(nullptr);
    char when[64];
    if (!_KZctime(&now, when, sizeof when))
        strcpy(when, "\n");
    fputs("<!--\nGenerated on\n  ", out);
    fputs(when, out);
    fputs("Regenerate this file after installing new icons by adding &updateStyle=1 to a Dynamic View URL.\n",
          out);
    fputs("-->\n", out);
}

// The web bitmap directory without its language component (heap string).
char* bitmapDirectory()
{
    return getStandardPathNoLang(nullptr, bitmapDirTemplate, bitmapDirVariable);
}

} // namespace

const char* dvStyleXmlFileName()
{
    return styleSheetName;
}

const char* dvStyleXmlRootPath(const char* localeDir)
{
    ParseLock lock;
    static char root[KIV_WEB_PATH_LEN];
    const char* base = _KZBuildPath(htdocsTemplate, localeDir, 0);
    int n = base ? snprintf(root, sizeof root, "%s" SEP "dynamicViews", base) : -1;
    if (n < 0 || static_cast<size_t>(n) >= sizeof root)
        root[0] = '\0';
    return root;
}

int kivParserSetStyleXMLURLandCreateIfNeeded(char* urlMem, int force, const char* langDir,
                                             char* errMsg, int errLen)
{
    ParseLock lock;
    (void)langDir;
    if (!urlMem)
        return -1;
    message(errMsg, errLen, "%s", "");

    ServerFacts server;
    int n = snprintf(urlMem, KIV_WEB_URL_LEN, "http://%s%s/KzDocs/%s/dynamicViews/%s",
                     server.host, server.portSuffix, styleLocaleDir,
                     dvStyleXmlFileName());
    if (n < 0 || n >= KIV_WEB_URL_LEN) {
        urlMem[0] = '\0';
        pathTooLong(errMsg, errLen, n < 0 ? 0 : static_cast<size_t>(n));
        return -1;
    }

    char root[KIV_WEB_PATH_LEN];
    OutOfMemoryWatch watch;
    snprintf(root, sizeof root, "%s", dvStyleXmlRootPath(styleLocaleDir));
    if (!root[0]) {
        urlMem[0] = '\0';
        const char* base = _KZBuildPath(htdocsTemplate, styleLocaleDir, 0);
        if (!base || watch.seen())
            outOfMemory(errMsg, errLen);
        else
            pathTooLong(errMsg, errLen, strlen(base) + strlen(SEP "dynamicViews"));
        return -1;
    }

    char styleSheet[KIV_WEB_PATH_LEN];
    n = snprintf(styleSheet, sizeof styleSheet, "%s" SEP "%s", root, dvStyleXmlFileName());
    if (n < 0 || static_cast<size_t>(n) >= sizeof styleSheet) {
        urlMem[0] = '\0';
        pathTooLong(errMsg, errLen, n < 0 ? 0 : static_cast<size_t>(n));
        return -1;
    }

    if (!force && _KZisRegularFile(styleSheet))
        return 0;

    char templatePath[KIV_WEB_PATH_LEN];
    n = snprintf(templatePath, sizeof templatePath, "%s" SEP "%s", root, templateName);
    if (n < 0 || static_cast<size_t>(n) >= sizeof templatePath) {
        urlMem[0] = '\0';
        pathTooLong(errMsg, errLen, n < 0 ? 0 : static_cast<size_t>(n));
        return -1;
    }
    // A sheet that could not be made has no URL to hand out.
    if (symCreateStyleXML(templatePath, styleSheet, errMsg, errLen) != 0) {
        urlMem[0] = '\0';
        return -1;
    }
    return 0;
}

namespace {

// Copies the template to the new sheet, the date and the symbols in place of
// their markers; false when that failed (`writeFailed` with `writeErrno` when
// a write did).
bool copyTemplate(FILE* in, FILE* out, char* errBuf, int errBufLen, bool& writeFailed, int& writeErrno)
{
    ServerFacts server;
    char piece[KIV_WEB_LINE_LEN];
    size_t len;
    while ((len = readPiece(in, piece)) > 0) {
        if (strstr(piece, dateMarker)) {
            writeDateComment(out);
        } else if (strstr(piece, symbolsMarker)) {
            if (outputSymbolXML(out, errBuf, errBufLen, server.host, server.portSuffix) != 0)
                return false;
        } else if (!writePiece(out, piece, len, server)) {
            writeErrno = errno;
            writeFailed = true;
            return false;
        }
    }
    return true;
}

} // namespace

int symCreateStyleXML(const char* xmlTemplateFile, const char* xmlOutputFile, char* errBuf,
                      int errBufLen)
{
    ParseLock lock;
    if (errBufLen < KIV_WEB_ERRMSG_LEN || !errBuf || !xmlTemplateFile || !xmlOutputFile) {
        message(errBuf, errBufLen, "INTERNAL ERROR: errBufLen:%d, require %d", errBufLen,
                KIV_WEB_ERRMSG_LEN);
        return -1;
    }
    errBuf[0] = '\0';

    // The template is opened without waiting and must be a regular file (a
    // FIFO would hang the call, a directory would give an empty sheet).
    int reason = 0;
    FILE* in = _KZopenRegularFile(xmlTemplateFile, &reason);
    if (!in) {
        message(errBuf, errBufLen, parserMsg(MSG_TEMPLATE_OPEN), xmlTemplateFile, _KZstrerror(reason));
        return -1;
    }
    // The new sheet is written beside the old one and then takes its place:
    // a reader sees the old sheet or the new one, never a part, and a
    // generation that fails leaves the old one as it was.
    char sibling[KIV_WEB_PATH_LEN + 16];
    FILE* out = _KZcreateSibling(xmlOutputFile, sibling, sizeof sibling, &reason);
    if (!out) {
        message(errBuf, errBufLen, parserMsg(MSG_STYLE_CREATE), xmlOutputFile, _KZstrerror(reason));
        fclose_new(in);
        return -1;
    }

    OutOfMemoryWatch watch;
    bool writeFailed = false;
    int writeErrno = 0;
    bool failed = !copyTemplate(in, out, errBuf, errBufLen, writeFailed, writeErrno);
    if (!failed && ferror(in)) {
        message(errBuf, errBufLen, parserMsg(MSG_TEMPLATE_OPEN), xmlTemplateFile, _KZstrerror(EIO));
        failed = true;
    }
    fclose_new(in);

    // What stayed in the stream's buffer is written by the close: a failure
    // there leaves a truncated style sheet just as well.
    if (!failed && (ferror(out) || fflush(out) != 0)) {
        writeErrno = errno;
        failed = writeFailed = true;
    }
    if (fclose_new(out) != 0 && !failed) {
        writeErrno = errno;
        failed = writeFailed = true;
    }
    if (writeFailed)
        message(errBuf, errBufLen, "fprintf() to %s failed: %s", xmlOutputFile,
                _KZstrerror(writeErrno));
    if (!failed && watch.seen()) {
        outOfMemory(errBuf, errBufLen);
        failed = true;
    }
    if (!failed && _KZreplaceFile(sibling, xmlOutputFile) != 0) {
        message(errBuf, errBufLen, parserMsg(MSG_STYLE_CREATE), xmlOutputFile, _KZstrerror(errno));
        failed = true;
    }
    if (failed) {
        _KZremoveFile(sibling);
        return -1;
    }
    return 0;
}

int outputSymbolXML(FILE* fp, char* errBuf, int errBufLen, const char* serverName,
                    const char* portSuffixStr)
{
    ParseLock lock;
    fputs("\n\t<!--  Icons from $KZ_SYMBOLS and $KZ_BITMAPS -->\n", fp);
    char* bitmapdir = bitmapDirectory();
    if (!bitmapdir) {
        // Without its bitmap directory a registration would be cached without
        // its icons.
        outOfMemory(errBuf, errBufLen);
        return -1;
    }
    SymbolClass* head = getSymbolClass(1, bitmapdir, errBuf, errBufLen);
    if (head) {
        for (SymbolClass* sc = head->next(); sc; sc = sc->next())
            outputSymbolForClass(fp, bitmapdir, serverName, portSuffixStr, sc);
    }
    free(bitmapdir);
    return head ? 0 : -1;
}

void outputSymbolForClass(FILE* fp, const char* bitmapdir, const char* serverName,
                          const char* portSuffixStr, const SymbolClass* sc)
{
    if (!sc || sc->variety != VFY_ICONVARIETY || !hasTypes(sc))
        return;
    const char* shape = getShapeStyleForSymbol(sc);
    const char* className = orEmpty(sc->symbolID);
    printNodeStyle(fp, nullptr, className, "Generic", shape, serverName, portSuffixStr, nullptr,
                   nullptr, nullptr);

    static const char bitmapsPrefix[] = "bitmaps/";
    for (const SList* e = sc->symbolTypes->_next; e; e = e->_next) {
        const SymbolType* type = static_cast<const SymbolType*>(e);
        bool incomplete = !type->fileBaseDir || !*type->fileBaseDir || !type->symbolID ||
                          !*type->symbolID || !type->fileBase || !*type->fileBase ||
                          !type->availableBitmapSizes;
        if (incomplete) {
            fprintf(fp,
                    "\n<!--\n  NOTE:\n  Could not find bitmap parameters for\n    bitmapdir:%s\n"
                    "    shapeType:%s\n    symbolID:%s\n    fileBase:%s\n    fileBaseDir:%s\n"
                    "    availableBitmapSizes:%s\n  No icon will be displayed for this symbol.\n-->\n\n",
                    orUnset(bitmapdir), orUnset(shape), orUnset(type->symbolID),
                    orUnset(type->fileBase), orUnset(type->fileBaseDir), unset);
            continue;
        }
        // "bitmaps/" followed by the directory with URL slashes.
        size_t prefixLen = sizeof bitmapsPrefix - 1;
        char* path = static_cast<char*>(malloc(prefixLen + strlen(type->fileBaseDir) + 1));
        if (!path) {
            reportOutOfMemory();
            continue;
        }
        memcpy(path, bitmapsPrefix, prefixLen);
        copyFileBaseDirForWindows(path + prefixLen, type->fileBaseDir);
        printNodeStyle(fp, nullptr, className, type->symbolID, shape, serverName, portSuffixStr,
                       path, type->fileBase, type->availableBitmapSizes);
        free(path);
    }
}

void printNodeStyle(FILE* fp, const char* comment, const char* symType, const char* symSubType,
                    const char* shape, const char* serverName, const char* portSuffixStr,
                    const char* kzDocsSuffixPath, const char* filebase,
                    String* availableBitmapSizes)
{
    fputs("\n", fp);
    if (comment && *comment)
        fprintf(fp, "\t\t<!--  %s -->\n", comment);
    fprintf(fp, "\t<NodeStyle id=\"%s:%s\">\n", orEmpty(symType), orEmpty(symSubType));
    if (filebase && *filebase) {
        // The sizes of 50 and more, in list order; when there are none, the
        // largest size alone.
        fputs("\t\t<Image sizes=\"", fp);
        bool any = false;
        for (String* size = availableBitmapSizes ? availableBitmapSizes->next() : nullptr; size;
             size = size->next()) {
            if (size->type != V_INT || size->integer < 50)
                continue;
            fprintf(fp, any ? ",%d" : "%d", size->integer);
            any = true;
        }
        if (!any)
            fprintf(fp, "%d", largestSize(availableBitmapSizes));
        fprintf(fp, "\" uri=\"http://%s%s/KzDocs/%s/%s.gif\"/>\n", orEmpty(serverName),
                orEmpty(portSuffixStr), orEmpty(kzDocsSuffixPath), filebase);
    }
    fprintf(fp, "\t\t<Shape shapeStyleId=\"%s\"/>\n\t</NodeStyle>\n", orEmpty(shape));
}

const char* getShapeStyleForSymbol(const SymbolClass* sc)
{
    static const struct {
        const char* className;
        const char* shape;
    } knownClasses[] = {
        {"Application", "Circle"}, {"Client", "Trapezoid"},       {"Computer", "Square"},
        {"Connector", "Diamond"},  {"Domain", "Hexagon"},         {"Medium", "Circle"},
        {"Network", "Circle"},     {"Server", "InverseTrapezoid"}, {"Service", "Circle"},
        {"Software", "Circle"},
    };
    if (!sc)
        return "Circle";
    if (sc->symbolID) {
        for (const auto& known : knownClasses) {
            if (strcmp(sc->symbolID, known.className) == 0)
                return known.shape;
        }
    }
    if (!sc->segments)
        return "Circle";
    int points = 0;
    for (const SList* p = sc->segments->_next; p; p = p->_next)
        ++points;
    if (points > 6)
        return "Octagon";
    switch (points) {
    case 4:
        return "Square";
    case 5:
        return "Trapezoid";
    case 6:
        return "Hexagon";
    default:
        return "Circle";
    }
}

void copyFileBaseDirForWindows(char* fixedFileBaseDir, const char* fileBaseDir)
{
    if (!fixedFileBaseDir)
        return;
    if (!fileBaseDir) {
        fixedFileBaseDir[0] = '\0';
        return;
    }
    size_t i = 0;
    for (; fileBaseDir[i]; ++i)
        fixedFileBaseDir[i] = fileBaseDir[i] == '\\' ? '/' : fileBaseDir[i];
    fixedFileBaseDir[i] = '\0';
}

SymbolClass* getSymbolClass(int forceReload, const char* bitmapdir, char* errBuf, int errBufLen)
{
    ParseLock lock;
    if (!forceReload && lastSymbolClass)
        return lastSymbolClass;
    delete lastSrf;
    lastSrf = nullptr;
    lastSymbolClass = nullptr;

    // Only a registration loaded and completed without running out of
    // memory is kept: a part of it would answer wrongly for every later call.
    OutOfMemoryWatch watch;
    lastSrf = loadSrf(0, nullptr);
    if (lastSrf)
        lastSrf->StoreBitmapSizes(bitmapdir, 1, "gif");
    if (watch.seen()) {
        delete lastSrf;
        lastSrf = nullptr;
        outOfMemory(errBuf, errBufLen);
        return nullptr;
    }
    if (!lastSrf) {
        message(errBuf, errBufLen, "%s", parserMsg(MSG_NO_SYMBOL_FILES));
        return nullptr;
    }
    lastSymbolClass = lastSrf->symbolClasses;
    if (!lastSymbolClass) {
        message(errBuf, errBufLen, parserMsg(MSG_NO_SYMBOL_CLASSES), orEmpty(bitmapdir));
        return nullptr;
    }
    return lastSymbolClass;
}

void kivParserReleaseSymbolCache()
{
    ParseLock lock;
    delete lastSrf;
    lastSrf = nullptr;
    lastSymbolClass = nullptr;
}

void kivParserGetIconUrl(char* urlMem, const char* symClassAndType)
{
    ParseLock lock;
    if (!urlMem)
        return;
    ServerFacts server;
    static const char defaultIcon[] = "/KzDocs/bitmaps/C/connector/unknownrouter.50.gif";
    int n = snprintf(urlMem, KIV_WEB_URL_LEN, "http://%s%s%s", server.host, server.portSuffix,
                     defaultIcon);
    if (n < 0 || n >= KIV_WEB_URL_LEN)
        memcpy(urlMem, defaultIcon, sizeof defaultIcon); // a server name beyond reason

    // Class and type, split at the first colon; an argument too long for the
    // buffer names no symbol.
    char classPart[KIV_WEB_URL_LEN];
    const char* argument = orEmpty(symClassAndType);
    size_t argumentLen = strlen(argument);
    if (argumentLen >= sizeof classPart)
        return;
    memcpy(classPart, argument, argumentLen + 1);
    const char* typePart = "";
    if (char* colon = strchr(classPart, ':')) {
        *colon = '\0';
        typePart = colon + 1;
    }

    char* bitmapdir = bitmapDirectory();
    if (!bitmapdir)
        return; // memory ran out (reported): the default icon
    char errBuf[KIV_WEB_ERRMSG_LEN];
    SymbolClass* head = getSymbolClass(0, bitmapdir, errBuf, sizeof errBuf);
    free(bitmapdir);
    if (!head)
        return;

    for (SymbolClass* sc = head->next(); sc; sc = sc->next()) {
        if (sc->variety != VFY_ICONVARIETY || !hasTypes(sc) || !sc->symbolID ||
            strcmp(sc->symbolID, classPart) != 0)
            continue;
        for (SymbolType* type = sc->symbolTypes->next(); type; type = type->next()) {
            if (!type->symbolID || strcmp(type->symbolID, typePart) != 0)
                continue;
            int size = type->availableBitmapSizes ? largestSize(type->availableBitmapSizes) : 50;
            if (!type->fileBaseDir || !type->fileBase)
                continue;
            size_t dirLen = strlen(type->fileBaseDir);
            char* dir = static_cast<char*>(malloc(dirLen + 1));
            if (!dir) {
                reportOutOfMemory();
                continue;
            }
            copyFileBaseDirForWindows(dir, type->fileBaseDir);
            char url[KIV_WEB_URL_LEN];
            n = snprintf(url, sizeof url, "http://%s%s/KzDocs/bitmaps/%s/%s.%d.gif",
                             server.host, server.portSuffix, dir, type->fileBase, size);
            free(dir);
            // A URL that does not fit would name another file: the default stays.
            if (n > 0 && static_cast<size_t>(n) < sizeof url)
                memcpy(urlMem, url, static_cast<size_t>(n) + 1);
        }
        break;
    }
}

} // namespace kivparser
