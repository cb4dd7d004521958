#ifndef KIVPARSER_TESTS_WEB_SUPPORT_H
#define KIVPARSER_TESTS_WEB_SUPPORT_H

// Scratch installations for the style sheet and icon URL tests: a temporary
// directory with the environment pointing into it, and the model objects the
// tests hand to the web code.

#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/symbols/SymbolType.h"
#include "kivparser/web/KivParserNative.h"
#include "web/KivParserNativeCache.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ftw.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace kivparser;

// All in a namespace of its own: every test folder joins one test program.
namespace webtest {

// A directory under /tmp, removed with everything in it at the end.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/kivweb.XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made ? made : "";
    }
    ~TempDir()
    {
        if (!path_.empty())
            nftw(path_.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    static int removeEntry(const char* p, const struct stat*, int, struct FTW*)
    {
        ::remove(p);
        return 0;
    }
    std::string path_;
};

// Writes `text` to `path`, creating the missing directories on the way.
inline void writeFile(const std::string& path, const std::string& text)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool fileExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// The host part of every URL: "http://" + host name + port suffix.
inline std::string baseUrl()
{
    return std::string("http://") + _KZinetGetMyHostName() + _KZgetWebServerDefaultPortSuffixStr();
}

inline std::string iconUrl(const char* symClassAndType)
{
    char url[KIV_WEB_URL_LEN];
    kivParserGetIconUrl(url, symClassAndType);
    return url;
}

inline std::string defaultIcon()
{
    return baseUrl() + "/KzDocs/bitmaps/C/connector/unknownrouter.50.gif";
}

// The installation the web code looks at: %KZ_PATH% and the web server's port.
// The symbol cache is emptied at the end so that each test leaves no objects.
class WebInstallation {
public:
    WebInstallation()
    {
        setenv("KZ_PATH", (dir / "kz").c_str(), 1);
        setenv("KZ_WEB_PORT", "8181", 1);
        setenv("KZwwwBitmapDir", (dir / "bitmaps").c_str(), 1);
        setenv("KIvSymDir", (dir / "symbols").c_str(), 1);
    }
    ~WebInstallation()
    {
        delete lastSrf;
        lastSrf = nullptr;
        lastSymbolClass = nullptr;
    }
    std::string styleDir() const { return dir / "kz/www/htdocs/C/dynamicViews"; }
    std::string styleSheet() const { return styleDir() + "/dvStyleV7.xml"; }
    std::string templateFile() const { return styleDir() + "/dvStyle.xml.template"; }

    TempDir dir;
};

inline char* heapText(const char* s)
{
    return strdup(s);
}

inline String* sizeList(std::initializer_list<int> sizes)
{
    String* head = new String();
    for (int size : sizes)
        head->append(new String(size));
    return head;
}

// A type with what bitmap discovery would have found (null `dir`: nothing found).
inline SymbolType* addType(SymbolClass* sc, const char* name, const char* fileBase, const char* dir,
                           String* sizes)
{
    SymbolType* type = sc->newSymbolType(heapText(name));
    if (fileBase)
        type->setFileBase(heapText(fileBase));
    if (dir)
        type->setFileBaseDir(heapText(dir));
    if (sizes)
        type->setAvailableBitmapSizes(sizes);
    return type;
}

inline Point* pointList(int count)
{
    Point* head = new Point();
    for (int i = 0; i < count; ++i)
        head->append(new Point(i, i * 2));
    return head;
}

// Puts `reg` into the web code's cache, as a load would have.
inline void cacheRegistration(SymbolRegistration* reg)
{
    delete lastSrf;
    lastSrf = reg;
    lastSymbolClass = reg->symbolClasses;
}

// Everything a writer function puts on a stream.
template <class F>
std::string captureStream(F write)
{
    char* text = nullptr;
    size_t len = 0;
    FILE* fp = open_memstream(&text, &len);
    write(fp);
    fclose(fp);
    std::string out(text, len);
    free(text);
    return out;
}

} // namespace webtest

#endif
