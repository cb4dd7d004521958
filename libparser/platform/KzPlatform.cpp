#include "platform/KzPlatform.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kivparser {

// Build-time defaults of the installation paths (set by platform/rules.cmake).
#ifndef KIVPARSER_DEFAULT_KZ_PATH
#define KIVPARSER_DEFAULT_KZ_PATH "/usr/local/share/kivparser"
#endif
#ifndef KIVPARSER_DEFAULT_KZ_ETC_PATH
#define KIVPARSER_DEFAULT_KZ_ETC_PATH "/usr/local/etc/kivparser"
#endif

// ---------------------------------------------------------------- wrappers

char* strcpy_new(char* dst, const char* src) { return strcpy(dst, src); }
size_t strlen_new(const char* s) { return strlen(s); }
char* strcat_new(char* dst, const char* src) { return strcat(dst, src); }
int strcmp_new(const char* a, const char* b) { return strcmp(a, b); }
int strncmp_new(const char* a, const char* b, size_t n) { return strncmp(a, b, n); }
char* strncpy_new(char* dst, const char* src, size_t n) { return strncpy(dst, src, n); }
int strcoll_new(const char* a, const char* b) { return strcoll(a, b); }
size_t strspn_new(const char* s, const char* accept) { return strspn(s, accept); }
char* strerror_new(int errnum) { return strerror(errnum); }
char* _KZstrerror(int errnum) { return strerror(errnum); }
char* _strdup(const char* s) { return s ? strdup(s) : nullptr; }

int sprintf_new(char* buf, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int n = vsprintf(buf, fmt, ap);
    va_end(ap);
    return n;
}

int vsprintf_new(char* buf, const char* fmt, va_list ap) { return vsprintf(buf, fmt, ap); }

int printf_new(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int n = vprintf(fmt, ap);
    va_end(ap);
    return n;
}

int vprintf_new(const char* fmt, va_list ap) { return vprintf(fmt, ap); }

int fprintf_new(FILE* stream, const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int n = vfprintf(stream, fmt, ap);
    va_end(ap);
    return n;
}

FILE* fopen_new(const char* path, const char* mode) { return fopen(path, mode); }
int fclose_new(FILE* stream) { return fclose(stream); }

// ------------------------------------------------------ registration files

bool _KZpathExists(const char* path)
{
    struct stat status;
    return path && stat(path, &status) == 0;
}

bool _KZisRegularFile(const char* path)
{
    struct stat status;
    return path && stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

int _KZremoveFile(const char* path)
{
    return remove(path);
}

FILE* _KZcreateSibling(const char* path, char* siblingPath, size_t size, int* reason)
{
    int n = snprintf(siblingPath, size, "%s.XXXXXX", path);
    if (n < 0 || static_cast<size_t>(n) >= size) {
        *reason = ENAMETOOLONG;
        return nullptr;
    }
    int fd = mkstemp(siblingPath);
    if (fd < 0) {
        *reason = errno;
        return nullptr;
    }
    // mkstemp makes it for its owner alone; the web server must read it.
    // (The umask cannot be read without changing it for every thread.)
    fchmod(fd, 0644);
    FILE* stream = fdopen(fd, "w");
    if (!stream) {
        *reason = errno;
        close(fd);
        unlink(siblingPath);
    }
    return stream;
}

int _KZreplaceFile(const char* siblingPath, const char* path)
{
    return rename(siblingPath, path);
}

FILE* _KZopenRegularFile(const char* path, int* reason)
{
    // Without O_NONBLOCK the open of a FIFO waits for a writer, for ever.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *reason = errno;
        return nullptr;
    }
    // The type that counts is that of what was opened: the path may have
    // been replaced since anyone looked at it.
    struct stat status;
    if (fstat(fd, &status) != 0) {
        *reason = errno;
        close(fd);
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        *reason = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return nullptr;
    }
    // A regular file never blocks; the descriptor goes on in the ordinary mode.
    int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    FILE* stream = fdopen(fd, "r");
    if (!stream) {
        *reason = errno;
        close(fd);
    }
    return stream;
}

long _KZreadFile(FILE* stream, char* buffer, size_t size)
{
    ssize_t n;
    do {
        n = read(fileno(stream), buffer, size);
    } while (n < 0 && errno == EINTR);
    return static_cast<long>(n);
}

// ------------------------------------------------------ multibyte searches

namespace {

// Byte length of the character that starts at `s` in the locale's code set.
// A byte that starts no valid character counts as one character of its own.
size_t charLength(const char* s, mbstate_t* state)
{
    size_t available = strnlen(s, MB_CUR_MAX);
    size_t n = mbrlen(s, available, state);
    if (n == static_cast<size_t>(-1) || n == static_cast<size_t>(-2) || n == 0) {
        memset(state, 0, sizeof *state);
        return 1;
    }
    return n;
}

} // namespace

char* _KZstrchr(const char* s, int c)
{
    char wanted = static_cast<char>(c);
    if (wanted == '\0')
        return const_cast<char*>(s + strlen(s));
    mbstate_t state{};
    for (const char* p = s; *p; ) {
        size_t n = charLength(p, &state);
        if (n == 1 && *p == wanted)
            return const_cast<char*>(p);
        p += n;
    }
    return nullptr;
}

char* _KZstrrchr(const char* s, int c)
{
    char wanted = static_cast<char>(c);
    if (wanted == '\0')
        return const_cast<char*>(s + strlen(s));
    const char* last = nullptr;
    mbstate_t state{};
    for (const char* p = s; *p; ) {
        size_t n = charLength(p, &state);
        if (n == 1 && *p == wanted)
            last = p;
        p += n;
    }
    return const_cast<char*>(last);
}

char* _KZstrstr(const char* haystack, const char* needle)
{
    size_t length = strlen(needle);
    if (length == 0)
        return const_cast<char*>(haystack);
    mbstate_t state{};
    for (const char* p = haystack; *p; p += charLength(p, &state)) {
        if (strncmp(p, needle, length) == 0)
            return const_cast<char*>(p);
    }
    return nullptr;
}

// ---------------------------------------------------------- message catalog

namespace {

std::vector<int*>& registeredFlags()
{
    static std::vector<int*> flags;
    return flags;
}

} // namespace

void ____msg_register_first(int* flag)
{
    if (!flag)
        return;
    try {
        registeredFlags().push_back(flag);
    } catch (...) {
        // Without the registration the module just never reopens its catalog.
    }
}

void _KZmsgReopenCatalogs()
{
    for (int* flag : registeredFlags())
        *flag = 0x12344321;
}

// -------------------------------------------------------------------- paths

namespace {

const char* defaultFor(const std::string& name)
{
    if (name == "KZ_PATH")
        return KIVPARSER_DEFAULT_KZ_PATH;
    if (name == "KZ_ETC_PATH")
        return KIVPARSER_DEFAULT_KZ_ETC_PATH;
    return nullptr;
}

// `path` with every %NAME% expanded; false when memory ran out.
bool expand(const char* path, std::string& out)
{
    try {
        out.clear();
        for (const char* p = path; *p; ) {
            const char* close = *p == '%' ? strchr(p + 1, '%') : nullptr;
            if (!close || close == p + 1) {
                out += *p++;
                continue;
            }
            std::string name(p + 1, close);
            const char* value = getenv(name.c_str());
            if (!value || !*value)
                value = defaultFor(name);
            if (value)
                out += value;
            else
                out.append(p, close + 1);
            p = close + 1;
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

const char* _KZGetPath(const char* path)
{
    // Expanded aside first: `path` may be the previous result.
    static std::string result;
    std::string expanded;
    if (!path || !expand(path, expanded))
        return nullptr;
    result.swap(expanded);
    return result.c_str();
}

char* _KZBuildPath(const char* base, const char* sub, int flags)
{
    (void)flags;
    static std::string result;
    std::string joined;
    if (!base || !expand(base, joined))
        return nullptr;
    try {
        if (sub && *sub) {
            if (!joined.empty() && !isSeparator(joined.back()))
                joined += KZ_PATH_SEP;
            joined += sub;
        }
    } catch (...) {
        return nullptr;
    }
    result.swap(joined);
    return result.data();
}

char* _KZparsePath(const char* list)
{
    static char* copy = nullptr;
    static char* cursor = nullptr;
    if (list) {
        free(copy);
        copy = strdup(list);
        cursor = copy;
    }
    if (!cursor)
        return nullptr;
    while (*cursor == ';')
        cursor++;
    if (!*cursor) {
        // The walk is over: the list's copy goes.
        free(copy);
        copy = nullptr;
        cursor = nullptr;
        return nullptr;
    }
    char* entry = cursor;
    char* end = strchr(cursor, ';');
    if (end) {
        *end = '\0';
        cursor = end + 1;
    } else {
        cursor += strlen(cursor);
    }
    return entry;
}

char* _KZstrip_whitespace(char* text, int how)
{
    if (!text)
        return text;
    if (how == stripTrailing || how == stripBoth) {
        size_t length = strlen(text);
        while (length > 0 && isBlank(text[length - 1]))
            text[--length] = '\0';
    }
    if (how == stripLeading || how == stripBoth) {
        size_t skip = 0;
        while (isBlank(text[skip]))
            skip++;
        if (skip)
            memmove(text, text + skip, strlen(text + skip) + 1);
    }
    return text;
}

// --------------------------------------------------------------- host facts

namespace {

bool flagFromEnvironment(const char* name)
{
    const char* value = getenv(name);
    if (!value || !*value)
        return false;
    if (isdigit(static_cast<unsigned char>(*value)) || *value == '-' || *value == '+')
        return strtol(value, nullptr, 10) != 0;
    return strcasecmp(value, "yes") == 0 || strcasecmp(value, "true") == 0 || strcasecmp(value, "on") == 0;
}

} // namespace

const char* _KZinetGetMyHostName()
{
    static char name[HOST_NAME_MAX + 1];
    int savedErrno = errno;
    if (gethostname(name, sizeof name) != 0 || !name[0])
        strcpy(name, "localhost");
    name[sizeof name - 1] = '\0';
    errno = savedErrno;
    return name;
}

const char* _KZgetWebServerDefaultPortSuffixStr()
{
    static std::string suffix;
    const char* port = getenv("KZ_WEB_PORT");
    try {
        suffix.clear();
        if (port && *port) {
            if (*port != ':')
                suffix += ':';
            suffix += port;
        }
    } catch (...) {
        suffix.clear();
    }
    return suffix.c_str();
}

int KZisOnKZServer() { return flagFromEnvironment("KZ_ON_SERVER") ? 1 : 0; }
int _KZisExtendedTopologyEnabled() { return flagFromEnvironment("KZ_EXTENDED_TOPOLOGY") ? 1 : 0; }
int _KZisIPv6Enabled() { return flagFromEnvironment("KZ_IPV6") ? 1 : 0; }
int _KZisHSRPEnabled() { return flagFromEnvironment("KZ_HSRP") ? 1 : 0; }

} // namespace kivparser
