#include "PreviewBitmaps.h"

#include <kivparser/kivparser.h>

#include <clocale>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A plain file name for the copy: letters, digits, '.', '-' and '_' kept.
std::string plainName(const std::string& name)
{
    std::string result;
    for (char c : name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                     c == '-' || c == '_';
        result += plain ? c : '_';
    }
    return result.empty() || result[0] == '.' ? "bitmap" + result : result;
}

} // namespace

PreviewBitmaps::PreviewBitmaps(const fs::path& pageDir) : target(pageDir / "bitmaps")
{
    char* list = getStandardPathNoLang(nullptr, "%KZ_PATH%/www/htdocs/bitmaps", "KZwwwBitmapDir");
    if (!list)
        return;
    const char* language = std::setlocale(LC_CTYPE, nullptr);
    std::string all = list;
    free(list);
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find(';', start);
        if (end == std::string::npos)
            end = all.size();
        if (end > start) {
            fs::path dir = all.substr(start, end - start);
            if (language && std::string(language) != "C")
                searched.push_back(dir / language);
            searched.push_back(dir / "C");
            searched.push_back(dir);
        }
        start = end + 1;
    }
}

std::string PreviewBitmaps::url(const char* bitmap)
{
    if (!bitmap || !*bitmap)
        return std::string();
    auto known = copied.find(bitmap);
    if (known != copied.end())
        return known->second;
    std::string& result = copied[bitmap];
    fs::path source = find(bitmap);
    if (source.empty())
        return result;
    std::error_code error;
    fs::create_directories(target, error);
    std::string name = std::to_string(++copies) + "-" + plainName(source.filename().string());
    if (!error && fs::copy_file(source, target / name, fs::copy_options::overwrite_existing, error) && !error)
        result = "bitmaps/" + name;
    return result;
}

fs::path PreviewBitmaps::find(const std::string& relative) const
{
    // Written on Windows, a registration separates with backslashes.
    std::string portable = relative;
    for (char& c : portable) {
        if (c == '\\')
            c = '/';
    }
    if (portable.empty() || portable[0] == '/' || (portable.size() > 1 && portable[1] == ':'))
        return fs::path();
    std::size_t start = 0;
    while (start <= portable.size()) {
        std::size_t end = portable.find('/', start);
        if (end == std::string::npos)
            end = portable.size();
        if (portable.compare(start, end - start, "..") == 0)
            return fs::path();
        start = end + 1;
    }
    for (const fs::path& dir : searched) {
        std::error_code error;
        fs::path candidate = dir / fs::path(portable);
        if (fs::is_regular_file(candidate, error) && fs::file_size(candidate, error) <= maxSize && !error)
            return candidate;
    }
    return fs::path();
}
