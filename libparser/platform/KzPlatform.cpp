#include "platform/KzPlatform.h"

// The parts of the platform layer that standard C++ covers on every platform:
// the wrappers, the multibyte searches, path expansion and the switches read
// from the environment. Files, directories, host facts, memory, the catalog
// and code-set conversion have one source per platform (posix/, windows/).

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
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
        copy = _strdup(list);
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

bool equalNoCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

bool flagFromEnvironment(const char* name)
{
    const char* value = getenv(name);
    if (!value || !*value)
        return false;
    if (isdigit(static_cast<unsigned char>(*value)) || *value == '-' || *value == '+')
        return strtol(value, nullptr, 10) != 0;
    return equalNoCase(value, "yes") || equalNoCase(value, "true") || equalNoCase(value, "on");
}

} // namespace

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
