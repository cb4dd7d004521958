#include "FuzzSupport.h"

#include "kivparser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
char scratchPath[64];

void removeScratch()
{
    if (scratchPath[0])
        unlink(scratchPath);
}
} // namespace

void FuzzSupport::setUp()
{
    int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        fflush(stdout);
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
    }
    unsetenv("YYDEBUG");
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    snprintf(scratchPath, sizeof scratchPath, "%s/kivfuzz-XXXXXX", dir);
    int fd = mkstemp(scratchPath);
    if (fd < 0) {
        perror("kivfuzz: scratch file");
        abort();
    }
    close(fd);
    atexit(removeScratch);
}

char* FuzzSupport::scratchFile(const uint8_t* data, size_t size)
{
    FILE* fp = fopen(scratchPath, "wb");
    if (!fp)
        return nullptr;
    bool ok = size == 0 || fwrite(data, 1, size, fp) == size;
    if (fclose(fp) != 0 || !ok)
        return nullptr;
    return scratchPath;
}

void FuzzSupport::parseInto(Roots& roots, const uint8_t* data, size_t size)
{
    char* path = scratchFile(data, size);
    if (!path)
        return;
    // Verbose, so that every diagnostic is formatted too (and discarded).
    KivParser* parser = new KivParser(path, roots.arf, roots.srf, roots.frf, roots.pvrf, 1);
    roots.arf = parser->getAppReg();
    roots.srf = parser->getSymReg();
    roots.frf = parser->getFldReg();
    roots.pvrf = parser->getSnmppvReg();
    delete parser;
}

void FuzzSupport::dumpFoldAndRelease(Roots& roots)
{
    if (roots.arf) {
        roots.arf->debugDump();
        roots.arf->debugDumpTabs();
        roots.arf->removeSingleActionMenus();
        roots.arf->debugDump();
    }
    if (roots.srf)
        roots.srf->debugDump();
    if (roots.frf)
        roots.frf->debugDump();
    if (roots.pvrf)
        roots.pvrf->debugDump();
    fflush(stdout);
    delete roots.arf;
    delete roots.srf;
    delete roots.frf;
    delete roots.pvrf;
    roots = Roots();
}
