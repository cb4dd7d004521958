#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>

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

void ____msg_register_first(int* flag) { (void)flag; }
