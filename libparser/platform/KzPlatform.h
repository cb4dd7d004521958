// Private: included by any folder of the library, and the tests.
#ifndef KIVPARSER_PLATFORM_KZPLATFORM_H
#define KIVPARSER_PLATFORM_KZPLATFORM_H

// The only part of the library that knows about the operating system: string
// and formatted-output wrappers, the message catalog, paths, host facts,
// feature queries and the Java string helpers. Every other folder calls these.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <ctime>

// The path separator of the platform built for (KZ_PATH_SEP, KZ_PATH_SEP_STR):
// the build puts the platform's own folder on the include path.
#include "KzSystem.h"

#include "kivparser/export.h"

namespace kivparser {

// String and formatted-output wrappers: the contracts of the standard
// functions they are named after. printf_new and vprintf_new write to
// standard output; every diagnostic and every dump goes through them.
char* strcpy_new(char* dst, const char* src);
size_t strlen_new(const char* s);
char* strcat_new(char* dst, const char* src);
int strcmp_new(const char* a, const char* b);
int strncmp_new(const char* a, const char* b, size_t n);
char* strncpy_new(char* dst, const char* src, size_t n);
int strcoll_new(const char* a, const char* b);
size_t strspn_new(const char* s, const char* accept);
char* strerror_new(int errnum);
int sprintf_new(char* buf, const char* fmt, ...) KIVPARSER_PRINTF(2, 3);
int vsprintf_new(char* buf, const char* fmt, va_list ap) KIVPARSER_PRINTF(2, 0);
int printf_new(const char* fmt, ...) KIVPARSER_PRINTF(1, 2);
int vprintf_new(const char* fmt, va_list ap) KIVPARSER_PRINTF(1, 0);
int fprintf_new(FILE* stream, const char* fmt, ...) KIVPARSER_PRINTF(2, 3);
FILE* fopen_new(const char* path, const char* mode);
int fclose_new(FILE* stream);
// Registration files. _KZopenRegularFile opens `path` for reading without
// waiting (a FIFO or a device never blocks it) and keeps it only when what
// was opened is a regular file; else null, with the reason in *reason: the
// system's, EISDIR for a directory, EINVAL for any other kind of file.
// _KZreadFile is one read of up to `size` bytes from the stream's descriptor,
// past the stream's own buffer: the count, 0 at the end, -1 with errno.
FILE* _KZopenRegularFile(const char* path, int* reason);
long _KZreadFile(FILE* stream, char* buffer, size_t size);
// Whether a stream of _KZopenRegularFile comes in the C runtime's text mode:
// then the runtime has dropped the carriage return of every CR LF before
// _KZreadFile or getc hands the bytes out (and a ^Z ends the file); else the
// readers drop it themselves, with the same result.
extern const bool _KZtextModeReads;
// Whether something exists under `path`; whether what is there is a regular
// file; removes the file at `path` (0, or -1 with errno).
bool _KZpathExists(const char* path);
bool _KZisRegularFile(const char* path);
int _KZremoveFile(const char* path);
// Writing a file that readers may be reading: the new content goes into a
// file of its own beside `path` (_KZcreateSibling: opened for writing, its
// name in `siblingPath`, `size` bytes; null with the reason in *reason), which
// then takes the place of `path` in one step (_KZreplaceFile: readers see the
// old file or the new one, never a part; 0, or -1 with errno).
FILE* _KZcreateSibling(const char* path, char* siblingPath, size_t size, int* reason);
int _KZreplaceFile(const char* siblingPath, const char* path);
// _strdup (a copy from malloc, null for null) comes with KzSystem.h: the C
// runtime's own on Windows, the platform layer's elsewhere.
// ctime's text of the local time `when`, line feed included, in `buffer` (26
// bytes or more); null when it cannot be had.
char* _KZctime(const time_t* when, char* buffer, size_t size);
// Searches that work on whole characters of the locale's multibyte code set:
// a byte inside a multibyte character (a second byte that happens to equal
// '\\' or '.') never matches.
char* _KZstrchr(const char* s, int c);
char* _KZstrrchr(const char* s, int c);
char* _KZstrstr(const char* haystack, const char* needle);
char* _KZstrerror(int errnum);

// Message catalog. A module hands the address of its first-use flag once;
// _KZmsgReopenCatalogs() sets every registered flag to 0x12344321, which makes
// the module close and reopen its catalog at its next lookup.
void ____msg_register_first(int* flag);
void _KZmsgReopenCatalogs();

// Paths.
// _KZGetPath: `path` with every %NAME% replaced by the environment variable
// NAME; KZ_PATH and KZ_ETC_PATH fall back to defaults fixed at build time
// when unset or empty, any other unset name stays as written. The result
// lives in a buffer of the platform layer: copy it at once, never release it.
// _KZBuildPath: the expanded `base`, a separator and `sub` (same buffer rule,
// a buffer of its own). _KZparsePath: the entries of a ';' list one by one,
// empty entries skipped; call it with the list, then with null until it
// returns null (it keeps its own copy of the list). _KZstrip_whitespace:
// removes white space in place and returns `text`.
enum KZstripHow { stripLeading = 0, stripTrailing = 1, stripBoth = 2 };
const char* _KZGetPath(const char* path);
char* _KZBuildPath(const char* base, const char* sub, int flags);
char* _KZparsePath(const char* list);
char* _KZstrip_whitespace(char* text, int how);

// Host facts. The host name comes from the system; the web server's port
// suffix from KZ_WEB_PORT (":8080" or "8080" both give ":8080"; unset or empty
// gives ""); KZisOnKZServer() from KZ_ON_SERVER (default: not the server).
const char* _KZinetGetMyHostName();
const char* _KZgetWebServerDefaultPortSuffixStr();
int KZisOnKZServer();

// Feature queries: KZ_EXTENDED_TOPOLOGY, KZ_IPV6, KZ_HSRP. A feature is on
// when its variable holds a non-zero number or "yes", "true" or "on" (in any
// case); unset, empty or anything else is off.
int _KZisExtendedTopologyEnabled();
int _KZisIPv6Enabled();
int _KZisHSRPEnabled();

} // namespace kivparser

#endif
