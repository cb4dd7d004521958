// Lists the symbol classes and types of an installation with the URL of each
// type's icon. Written against the namespace alone, as a host does that has
// names of its own (String, Window, Point...) to keep apart from the
// library's.
//
// usage: symbols       (the registrations: %KZ_ETC_PATH%/symbols, the icons:
//                       KZwwwBitmapDir)
#define KIVPARSER_NO_GLOBAL_NAMES
#include <kivparser/kivparser.h>

#include <clocale>
#include <cstdio>
#include <string>

int main()
{
    std::setlocale(LC_ALL, "");
    kivparser::SymbolRegistration* symbols = kivparser::loadSrf(0, nullptr);
    if (!symbols) {
        std::fprintf(stderr, "symbols: no symbol registration found\n");
        return 1;
    }
    int types = 0;
    for (kivparser::SymbolClass* sc = symbols->symbolClasses ? symbols->symbolClasses->next() : nullptr; sc;
         sc = sc->next()) {
        std::printf("%s (%s)\n", sc->symbolID,
                    sc->variety == kivparser::VFY_CONNECTIONVARIETY ? "connection" : "icon");
        for (kivparser::SymbolType* st = sc->symbolTypes ? sc->symbolTypes->next() : nullptr; st; st = st->next()) {
            std::string name = std::string(sc->symbolID) + ":" + st->symbolID;
            char url[kivparser::KIV_WEB_URL_LEN];
            kivparser::kivParserGetIconUrl(url, name.c_str());
            std::printf("  %-20s %s\n", st->symbolID, url);
            types++;
        }
    }
    std::printf("%d symbol types\n", types);
    delete symbols;
    // The icon URLs cached a symbol registration of their own.
    kivparser::kivParserReleaseSymbolCache();
    return 0;
}
