#ifndef KIVPARSER_TESTS_WEB_SUPPORT_H
#define KIVPARSER_TESTS_WEB_SUPPORT_H

// A scratch installation for the style sheet and icon URL tests, and the
// model objects the tests hand to the web code.

#include "kivparser/kivparser.h"
#include "platform/KzPlatform.h"
#include "support/TempDir.h"
#include "web/KivParserNativeCache.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kivparser;

// In a namespace of its own: every test folder joins one test program.
namespace webtest {

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "http://" + host name + port suffix.
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

// %KZ_PATH%, the web server's port, the bitmap and symbol directories in a
// temporary directory. The symbol cache is emptied at the end.
class WebInstallation {
public:
    WebInstallation()
    {
        setenv("KZ_PATH", dir.path("kz").c_str(), 1);
        setenv("KZ_WEB_PORT", "8181", 1);
        setenv("KZwwwBitmapDir", dir.path("bitmaps").c_str(), 1);
        setenv("KIvSymDir", dir.path("symbols").c_str(), 1);
    }
    ~WebInstallation() { kivParserReleaseSymbolCache(); }
    std::string styleSheet() const { return dir.path("kz/www/htdocs/C/dynamicViews/dvStyleV7.xml"); }
    std::string templateFile() const { return dir.path("kz/www/htdocs/C/dynamicViews/dvStyle.xml.template"); }

    TempDir dir;
};

// A type with what bitmap discovery would have found (null `dir`: nothing
// found).
inline SymbolType* addType(SymbolClass* sc, const char* name, const char* fileBase, const char* dir,
                           const std::vector<int>& sizes = {}, bool noSizes = false)
{
    SymbolType* type = sc->newSymbolType(strdup(name));
    if (fileBase)
        type->setFileBase(strdup(fileBase));
    if (dir)
        type->setFileBaseDir(strdup(dir));
    if (!noSizes) {
        String* head = new String();
        for (int size : sizes)
            head->append(new String(size));
        type->setAvailableBitmapSizes(head);
    }
    return type;
}

inline SymbolClass* addClass(SymbolRegistration* reg, const char* name, VarietyType variety)
{
    SymbolClass* sc = reg->newSymbolClass(strdup(name));
    sc->setVariety(variety);
    return sc;
}

// Puts `reg` into the web code's cache, as a load would have.
inline void cacheRegistration(SymbolRegistration* reg)
{
    kivParserReleaseSymbolCache();
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
