// Message catalogs on Windows: the catalog that the build compiles from the
// message source (windows/MakeCatalog.cmake), looked for through NLSPATH and
// then beside the DLL (the DLL's folder, then share\kivparser\nls next to it,
// as the installation lays it out).
#include "platform/KzCatalog.h"
#include "platform/KzEnvironment.h"
#include "platform/KzPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <windows.h>

namespace kivparser {

namespace {

using Texts = std::map<std::pair<int, int>, std::string>;

const char catalogHeader[] = "kivparser-catalog 1";

// The text of a message line with its C escapes resolved.
std::string unescape(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            out += *p;
            continue;
        }
        char c = *++p;
        switch (c) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'v': out += '\v'; break;
        case 'b': out += '\b'; break;
        case 'r': out += '\r'; break;
        case 'f': out += '\f'; break;
        default:
            if (c >= '0' && c <= '7') {
                int value = 0;
                for (int digits = 0; digits < 3 && *p >= '0' && *p <= '7'; ++digits, ++p)
                    value = value * 8 + (*p - '0');
                --p;
                out += static_cast<char>(value);
            } else {
                out += c; // \\, \" and any other character stand for themselves
            }
        }
    }
    return out;
}

// Reads a catalog; null when the stream holds none.
Texts* readCatalog(FILE* in)
{
    Texts* texts = nullptr;
    try {
        std::string line;
        bool header = true;
        texts = new Texts;
        for (int c = 0; c != EOF;) {
            line.clear();
            while ((c = getc(in)) != EOF && c != '\n')
                line += static_cast<char>(c);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (header) {
                if (line != catalogHeader)
                    break;
                header = false;
                continue;
            }
            if (line.empty())
                continue;
            char* rest = nullptr;
            long set = strtol(line.c_str(), &rest, 10);
            if (rest == line.c_str() || *rest != ' ')
                continue;
            char* text = nullptr;
            long number = strtol(rest + 1, &text, 10);
            if (text == rest + 1 || (*text != ' ' && *text != '\0'))
                continue;
            if (*text == ' ')
                ++text;
            (*texts)[{static_cast<int>(set), static_cast<int>(number)}] = unescape(text);
        }
        if (header) {
            delete texts;
            return nullptr;
        }
        return texts;
    } catch (...) {
        delete texts;
        return nullptr;
    }
}

Texts* readNarrowPath(const std::string& path)
{
    FILE* in = fopen_new(path.c_str(), "rb");
    if (!in)
        return nullptr;
    Texts* texts = readCatalog(in);
    fclose(in);
    return texts;
}

Texts* readWidePath(const std::wstring& path)
{
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in)
        return nullptr;
    Texts* texts = readCatalog(in);
    fclose(in);
    return texts;
}

// One pattern of NLSPATH with its fields filled in: %N the catalog's name,
// %L the language (LANG), %l, %t and %c its language, territory and code
// set parts (language_territory.codeset), %% a percent sign.
std::string fillPattern(const std::string& pattern, const char* name)
{
    const char* lang = KzEnvironment::getVariable("LANG");
    std::string locale = lang ? lang : "C";
    size_t dot = locale.find('.');
    size_t underscore = locale.find('_');
    std::string language = locale.substr(0, std::min(dot, underscore));
    std::string territory =
        underscore == std::string::npos ? "" : locale.substr(underscore + 1, dot == std::string::npos ? std::string::npos : dot - underscore - 1);
    std::string codeset = dot == std::string::npos ? "" : locale.substr(dot + 1);
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
        case 'N': out += name; break;
        case 'L': out += locale; break;
        case 'l': out += language; break;
        case 't': out += territory; break;
        case 'c': out += codeset; break;
        case '%': out += '%'; break;
        default: out += '%'; out += pattern[i]; break;
        }
    }
    return out;
}

Texts* findThroughNlspath(const char* name)
{
    const char* nlspath = KzEnvironment::getVariable("NLSPATH");
    if (!nlspath)
        return nullptr;
    std::string list = nlspath;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(';', start);
        if (end == std::string::npos)
            end = list.size();
        if (end > start) {
            if (Texts* texts = readNarrowPath(fillPattern(list.substr(start, end - start), name)))
                return texts;
        }
        start = end + 1;
    }
    return nullptr;
}

Texts* findBesideModule(const char* name)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&findBesideModule), &module))
        return nullptr;
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring folder(path, length);
    size_t slash = folder.find_last_of(L"\\/");
    folder.resize(slash == std::wstring::npos ? 0 : slash + 1);
    std::wstring file;
    for (const char* p = name; *p; ++p)
        file += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    file += L".cat";
    if (Texts* texts = readWidePath(folder + file))
        return texts;
    return readWidePath(folder + L"..\\share\\kivparser\\nls\\" + file);
}

} // namespace

bool KzCatalog::open(const char* name)
{
    close();
    if (!name || !*name)
        return false;
    try {
        Texts* texts = findThroughNlspath(name);
        if (!texts)
            texts = findBesideModule(name);
        handle = texts;
    } catch (...) {
        handle = nullptr;
    }
    return handle != nullptr;
}

void KzCatalog::close()
{
    delete static_cast<Texts*>(handle);
    handle = nullptr;
}

char* KzCatalog::text(int set, int n, char* fallback) const
{
    if (!handle)
        return fallback;
    const Texts& texts = *static_cast<const Texts*>(handle);
    auto found = texts.find({set, n});
    return found == texts.end() ? fallback : const_cast<char*>(found->second.c_str());
}

} // namespace kivparser
