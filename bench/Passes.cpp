#include "Passes.h"

#include <kivparser/kivparser.h>

// The library's internals: the scanner and TokenScan.
#include "language/Lex.h"
#include "language/TokenScan.h"
#include "language/grammar.tab.h"

#include <libconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gnu/libc-version.h>
#include <unistd.h>

// The bound scanner, generated from the library's patterns by boundlex.
long kivboundScan(FILE* input);

namespace {

const struct {
    PassKind kind;
    const char* name;
} passNames[] = {
    {PASS_READ, "read"}, {PASS_BOUND, "bound"}, {PASS_SCAN, "scan"}, {PASS_ARF, "arf"},
    {PASS_SRF, "srf"},   {PASS_FRF, "frf"},     {PASS_FULL, "full"}, {PASS_PEER, "libconfig"},
};

long readFile(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return -1;
    static char buffer[1 << 16];
    long total = 0;
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        total += n;
    close(fd);
    return total;
}

// The scanner as TokenScan drives it, less the copy of every token into a
// vector (a quarter of the pass): each token's text is released at once.
long libraryScan(FILE* stream)
{
    KivParser* saved = KivParser::current;
    KivParser::current = nullptr; // the scanner keeps its own line count
    kivparser::lexNewInput(stream);
    long tokens = 0;
    for (int token; (token = KIVyylex()) > 0; ++tokens) {
        switch (token) {
        case IDENTIFIER:
        case FUNCTION:
        case STRING:
        case MNEMONIC:
        case ACCELERATOR:
            free(KIVyylval.strval); // one pointer member of the union for all texts
            break;
        default:
            break;
        }
    }
    KivParser::current = saved;
    return tokens;
}

// The tokens a scanner finds in a file, or -1 when it cannot be opened.
long scanFile(const std::string& path, long (*scanner)(FILE*))
{
    FILE* stream = fopen(path.c_str(), "r");
    if (!stream)
        return -1;
    long tokens = scanner(stream);
    fclose(stream);
    return tokens;
}

void listDirectory(const std::string& dir, std::vector<std::string>& files, long& bytes)
{
    std::error_code ec;
    std::vector<std::string> found;
    for (auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file())
            continue;
        found.push_back(entry.path().string());
        bytes += (long)entry.file_size();
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
}

} // namespace

const std::vector<PassKind>& allPassKinds()
{
    static const std::vector<PassKind> kinds = {PASS_READ, PASS_BOUND, PASS_SCAN, PASS_ARF,
                                                PASS_SRF,  PASS_FRF,   PASS_FULL, PASS_PEER};
    return kinds;
}

const char* passName(PassKind kind)
{
    for (const auto& entry : passNames)
        if (entry.kind == kind)
            return entry.name;
    return "?";
}

bool passFromName(const std::string& name, PassKind* kind)
{
    for (const auto& entry : passNames)
        if (name == entry.name) {
            *kind = entry.kind;
            return true;
        }
    return false;
}

Installation Installation::find(const std::string& root)
{
    Installation in;
    in.root = root;
    listDirectory(root + "/registration/C", in.files, in.arfBytes);
    listDirectory(root + "/symbols/C", in.files, in.srfBytes);
    listDirectory(root + "/fields/C", in.files, in.frfBytes);
    std::error_code ec;
    auto peer = std::filesystem::file_size(root + "/peer.cfg", ec);
    in.peerBytes = ec ? 0 : (long)peer;
    return in;
}

long Installation::bytes(PassKind kind) const
{
    switch (kind) {
    case PASS_ARF:
        return arfBytes;
    case PASS_SRF:
        return srfBytes;
    case PASS_FRF:
        return frfBytes;
    case PASS_PEER:
        return peerBytes;
    default:
        return arfBytes + srfBytes + frfBytes;
    }
}

struct Pass::Built {
    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    config_t peer;
    bool peerBuilt = false;
    long sink = 0; // what the passes that build nothing found
};

Pass::Pass(PassKind kind, const Installation& installation) : kind(kind), installation(installation), built(new Built)
{
}

Pass::~Pass()
{
    destroy();
    delete built;
}

bool Pass::run()
{
    destroy();
    Built& b = *built;
    bool ok = true;
    switch (kind) {
    case PASS_READ:
    case PASS_BOUND:
    case PASS_SCAN: {
        for (const std::string& file : installation.files) {
            long n =
                kind == PASS_READ ? readFile(file) : scanFile(file, kind == PASS_BOUND ? kivboundScan : libraryScan);
            ok = ok && n >= 0;
            b.sink += n;
        }
        break;
    }
    case PASS_ARF:
        ok = (b.arf = loadArf(0, (installation.root + "/registration").c_str())) != nullptr;
        break;
    case PASS_SRF:
        ok = (b.srf = loadSrf(0, (installation.root + "/symbols").c_str())) != nullptr;
        break;
    case PASS_FRF:
        ok = (b.frf = loadFrf(0, (installation.root + "/fields").c_str())) != nullptr;
        break;
    case PASS_FULL:
        b.arf = loadArf(0, (installation.root + "/registration").c_str());
        b.srf = loadSrf(0, (installation.root + "/symbols").c_str());
        b.frf = loadFrf(0, (installation.root + "/fields").c_str());
        ok = b.arf && b.srf && b.frf;
        break;
    case PASS_PEER:
        config_init(&b.peer);
        b.peerBuilt = true;
        ok = config_read_file(&b.peer, (installation.root + "/peer.cfg").c_str()) == CONFIG_TRUE;
        if (!ok)
            fprintf(stderr, "kivbench: %s/peer.cfg:%d: %s\n", installation.root.c_str(), config_error_line(&b.peer),
                    config_error_text(&b.peer));
        break;
    }
    return ok;
}

void Pass::destroy()
{
    Built& b = *built;
    delete b.arf;
    delete b.srf;
    delete b.frf;
    b.arf = nullptr;
    b.srf = nullptr;
    b.frf = nullptr;
    if (b.peerBuilt)
        config_destroy(&b.peer);
    b.peerBuilt = false;
}

bool scanAgreesWithTokenScan(const Installation& installation)
{
    for (const std::string& file : installation.files) {
        long ours = scanFile(file, libraryScan);
        long library = (long)kivparser::TokenScan::scanFile(file.c_str()).size();
        if (ours != library) {
            fprintf(stderr, "kivbench: %s: the scanner-only pass reads %ld tokens, TokenScan %ld\n", file.c_str(), ours,
                    library);
            return false;
        }
    }
    return true;
}

std::string libraryVersions()
{
    return std::string("glibc ") + gnu_get_libc_version() + ", libconfig " + std::to_string(LIBCONFIG_VER_MAJOR) + "." +
           std::to_string(LIBCONFIG_VER_MINOR);
}
