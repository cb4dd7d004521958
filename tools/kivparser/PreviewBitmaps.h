#ifndef KIVPARSER_TOOL_PREVIEWBITMAPS_H
#define KIVPARSER_TOOL_PREVIEWBITMAPS_H

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The bitmaps a preview page shows (toolbar buttons, icons of tabs and list
// items), copied from the web bitmap directory (KZwwwBitmapDir, else
// %KZ_PATH%/www/htdocs/bitmaps) into the page's own directory, so that the
// page needs nothing outside it. A bitmap path of a registration is looked up
// below the locale's language directory, then C, then the directory itself;
// a path that is absolute or climbs out with ".." is never looked up.
class PreviewBitmaps {
public:
    // Copies go to `pageDir`/bitmaps.
    explicit PreviewBitmaps(const std::filesystem::path& pageDir);

    // The URL of the copy (relative to the page), or empty when the bitmap is
    // not found or cannot be copied.
    std::string url(const char* bitmap);

    // Files larger than this are not copied.
    static const std::uintmax_t maxSize = 4 * 1024 * 1024;

private:
    std::filesystem::path find(const std::string& relative) const;

    std::filesystem::path target;
    std::vector<std::filesystem::path> searched; // the directories, in search order
    std::map<std::string, std::string> copied;   // bitmap path -> URL ("" when not found)
    int copies = 0;
};

#endif
