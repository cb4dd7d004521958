#ifndef KIVPARSER_PLATFORM_KZPLATFORM_H
#define KIVPARSER_PLATFORM_KZPLATFORM_H

// The only part of the library that knows about the operating system: string
// and formatted-output wrappers, the message catalog, paths, host facts,
// feature queries and the Java string helpers. Every other folder calls these.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <nl_types.h>

// Path separator of this platform, and its text form.
#define KZ_PATH_SEP '/'
#define KZ_PATH_SEP_STR "/"

// String and formatted-output wrappers: the contracts of the standard
// functions they are named after.
char* strcpy_new(char* dst, const char* src);
size_t strlen_new(const char* s);
char* strcat_new(char* dst, const char* src);
int strcmp_new(const char* a, const char* b);
int strncmp_new(const char* a, const char* b, size_t n);
char* strncpy_new(char* dst, const char* src, size_t n);
int strcoll_new(const char* a, const char* b);
size_t strspn_new(const char* s, const char* accept);
char* strerror_new(int errnum);
int sprintf_new(char* buf, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
int vsprintf_new(char* buf, const char* fmt, va_list ap);
int printf_new(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
int fprintf_new(FILE* stream, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
FILE* fopen_new(const char* path, const char* mode);
int fclose_new(FILE* stream);
char* _strdup(const char* s);
// Multibyte-aware searches.
char* _KZstrchr(const char* s, int c);
char* _KZstrrchr(const char* s, int c);
char* _KZstrstr(const char* haystack, const char* needle);
char* _KZstrerror(int errnum);

// Message catalog.
void ____msg_register_first(int* flag);

// Paths.
enum KZstripHow { stripLeading = 0, stripTrailing = 1, stripBoth = 2 };
const char* _KZGetPath(const char* path);
char* _KZBuildPath(const char* base, const char* sub, int flags);
char* _KZparsePath(const char* list);
char* _KZstrip_whitespace(char* text, int how);

// Host facts.
const char* _KZinetGetMyHostName();
const char* _KZgetWebServerDefaultPortSuffixStr();
int KZisOnKZServer();

// Feature queries.
int _KZisExtendedTopologyEnabled();
int _KZisIPv6Enabled();
int _KZisHSRPEnabled();

#endif
