#ifndef KIVPARSER_TESTS_SUPPORT_TESTSYSTEM_H
#define KIVPARSER_TESTS_SUPPORT_TESTSYSTEM_H

// What the tests need from the system, on Linux and on Windows alike: a fresh
// temporary directory, the null device, whatever a writer puts on a stream,
// paths printed with the platform's separator read with '/'.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#endif

// A new directory of the test's own below $TMPDIR (/tmp when unset; on
// Windows the system's temporary folder); "" when none could be made.
inline std::string makeTempDir()
{
#ifdef _WIN32
    std::error_code ignored;
    std::string base = std::filesystem::temp_directory_path(ignored).string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char pattern[] = "kivtestXXXXXX";
        if (_mktemp_s(pattern, sizeof pattern) != 0)
            break;
        std::string dir = base + (base.empty() || base.back() == '\\' ? "" : "\\") + pattern;
        if (_mkdir(dir.c_str()) == 0)
            return dir;
    }
    return "";
#else
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kivtestXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return mkdtemp(name.data()) ? std::string(name.data()) : std::string();
#endif
}

#ifdef _WIN32
constexpr const char* nullDevice = "NUL";
#else
constexpr const char* nullDevice = "/dev/null";
#endif

// `path` with the platform's separator written as '/' (Windows paths that the
// library built with '\\'); unchanged elsewhere.
inline std::string slashes(std::string path)
{
#ifdef _WIN32
    for (char& c : path)
        if (c == '\\')
            c = '/';
#endif
    return path;
}

// `path` with '/' written as the platform's separator, as the library writes
// the paths it builds ('\\' on Windows); unchanged elsewhere.
inline std::string native(std::string path)
{
#ifdef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
#endif
    return path;
}

// `text` as a stream in text mode writes it: on Windows each line feed
// becomes CR LF; unchanged elsewhere.
inline std::string textMode(const std::string& text)
{
#ifdef _WIN32
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
#else
    return text;
#endif
}

// `text` written in text mode read back as the lines it holds: CR LF as LF
// on Windows; unchanged elsewhere.
inline std::string fromTextMode(const std::string& text)
{
#ifdef _WIN32
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
#else
    return text;
#endif
}

// Everything `write(FILE*)` puts on a stream, byte for byte.
template <class F>
std::string writtenBy(F write)
{
    std::string text;
#ifdef _WIN32
    FILE* stream = tmpfile();
    if (!stream)
        return text;
    write(stream);
    fflush(stream);
    rewind(stream);
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, stream)) > 0;)
        text.append(buffer, n);
    fclose(stream);
#else
    char* bytes = nullptr;
    size_t length = 0;
    FILE* stream = open_memstream(&bytes, &length);
    if (!stream)
        return text;
    write(stream);
    fclose(stream);
    text.assign(bytes, length);
    free(bytes);
#endif
    return text;
}

#endif
