#include "FuzzSupport.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
char scratchPath[2][64];

void removeScratch()
{
    for (char* path : scratchPath)
        if (path[0])
            unlink(path);
}
} // namespace

void FuzzSupport::setUp()
{
    unsetenv("YYDEBUG");
    // The scanner reads multibyte characters by the locale's rules: a run
    // under a multibyte locale reaches what the C locale never does.
    if (const char* locale = getenv("KIVPARSER_FUZZ_LOCALE")) {
        if (!setlocale(LC_ALL, locale)) {
            fprintf(stderr, "kivfuzz: locale %s not available\n", locale);
            abort();
        }
    }
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    for (char* path : scratchPath) {
        snprintf(path, sizeof scratchPath[0], "%s/kivfuzz-XXXXXX", dir);
        int fd = mkstemp(path);
        if (fd < 0) {
            perror("kivfuzz: scratch file");
            abort();
        }
        close(fd);
    }
    atexit(removeScratch);
}

std::string FuzzSupport::scratchFile(int which, const uint8_t* data, size_t size)
{
    FILE* fp = fopen(scratchPath[which], "wb");
    if (!fp)
        return std::string();
    bool ok = size == 0 || fwrite(data, 1, size, fp) == size;
    if (fclose(fp) != 0 || !ok)
        return std::string();
    return scratchPath[which];
}
