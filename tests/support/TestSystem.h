#ifndef KIVPARSER_TESTS_SUPPORT_TESTSYSTEM_H
#define KIVPARSER_TESTS_SUPPORT_TESTSYSTEM_H

// What the tests need from the system, on Linux and on Windows alike: a fresh
// temporary directory, the null device, whatever a writer puts on a stream,
// paths printed with the platform's separator read with '/'.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#endif

// A new directory of the test's own below $TMPDIR (/tmp when unset; on
// Windows the system's temporary folder); "" when none could be made.
inline std::string makeTempDir()
{
#ifdef _WIN32
    std::error_code ignored;
    std::string base = std::filesystem::temp_directory_path(ignored).string();
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    // A name of the process's own (tests run side by side in processes
    // whose numbers come back), tried on until one is new.
    static unsigned serial = 0;
    unsigned seed = static_cast<unsigned>(_getpid()) * 2654435761u ^ static_cast<unsigned>(time(nullptr));
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char name[32];
        snprintf(name, sizeof name, "kivtest%08x", seed + 7919u * serial++);
        std::string dir = base + name;
        if (_mkdir(dir.c_str()) == 0)
            return dir;
        if (errno != EEXIST)
            break;
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

// `path` with every `from` written as `to` on Windows; unchanged elsewhere.
inline std::string windowsSeparators(std::string path, char from, char to)
{
#ifdef _WIN32
    for (char& c : path)
        if (c == from)
            c = to;
#else
    (void)from;
    (void)to;
#endif
    return path;
}

// `path` with the platform's separator written as '/' (Windows paths that the
// library built with '\\'); unchanged elsewhere.
inline std::string slashes(const std::string& path)
{
    return windowsSeparators(path, '\\', '/');
}

// `path` with '/' written as the platform's separator, as the library writes
// the paths it builds ('\\' on Windows); unchanged elsewhere.
inline std::string native(const std::string& path)
{
    return windowsSeparators(path, '/', '\\');
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
    // A file in a folder of the test's own: the runtime's tmpfile() names
    // collide between tests running side by side.
    std::string dir = makeTempDir();
    if (dir.empty())
        return text;
    std::string path = dir + "\\stream";
    FILE* stream = fopen(path.c_str(), "w+b");
    if (stream) {
        write(stream);
        fflush(stream);
        rewind(stream);
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, stream)) > 0;)
            text.append(buffer, n);
        fclose(stream);
        remove(path.c_str());
    }
    _rmdir(dir.c_str());
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
