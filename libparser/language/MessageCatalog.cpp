#include "kivparser/language/MessageCatalog.h"
#include "language/MessageCatalogCache.h"
#include "language/ParseLock.h"
#include "platform/KzCatalog.h"
#include "platform/KzEnvironment.h"
#include "platform/KzPlatform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace kivparser {

namespace {

const char* const builtIn[MSG_COUNT + 1] = {
    "",
    "can't open %s\n",
    "fatal: out of memory\n",
    "Line: ",
    "File: ",
    "Warning",
    "Error",
    "fatal: internal error at grammar.Y(%d)",
    "Application \"%s\": parent application cannot be self",
    "Application \"%s\": Action \"%s\" is referenced but not defined.",
    "MenuItem \"%s\": missing menu name after f.menu",
    "detect duplicate MenuItem \"%s\";ignore this MenuItem",
    "detect duplicate MenuItem \"%s\"; ignore this MenuItem",
    "ListItem \"%s\": missing list name after f.list",
    "detect duplicate ListItem \"%s\"; ignore this ListItem",
    "%s %s: missing command name.",
    "%s %s: missing cgi path.",
    "error: %s; %s\n",
    "too long path name(%d); ignore\n",
    "not found the directory %s",
    "MenuBar %s: precedence %d ignored; already defined as %d",
    "MenuBar %s: mnemonic _%c ignored; already defined as _%c",
    "f.action name is not specified(ignore)",
    "f.menu name is not specified(ignore)",
    "f.menu %s: cyclic reference.(ignore)",
    "f.list name is not specified(ignore)",
    "f.list %s: cyclic reference.(ignore)",
    "Tab %s: precedence value(%d) is different from one defined yet(%d)(ignore new one)",
    "%s: iconName(%s) is different from one defined yet(%s)(ignore new one)",
    "Could not load symbol registration files.",
    "No symbol classes were found in bitmapdir:%s.",
    "ARF path: %s\n",
    "ARF priority file: '%s'\n",
    "ARF priority organization: '%s'\n",
    "ARF priority class: '%s'\n",
    "ARF priority application: '%s'\n",
    "[parsing %s]...\n",
    "  errors: %d, warnings: %d\n",
    ">>>total:  errors: %d, warnings: %d\n",
    "SRF path: %s\n",
    "FRF path: %s\n",
    "SNMP Telvik Registration path: %s\n",
    "%s %s: duplicate definition(ignore)",
    "Could not open template file \"%s\": %s",
    "Could not create style sheet \"%s\": %s",
    "String \"%s\": cut at a byte that does not decode in the locale",
};

KzCatalog catalog;
// 1 until the first lookup, then 0; the platform layer sets it to 0x12344321
// to have the catalog opened anew (open closes the one that is open).
int first = 1;
int setsN[256];
char** setsB[256];

// Makes room for message `n` in the cache of set `setn`: ((n / 10) + 1) * 10
// slots, cached texts kept, new slots empty. When that cannot be had the set's
// cache is given up (slot count 0) and false returned.
bool growSet(int setn, int n)
{
    long slots = (static_cast<long>(n) / 10 + 1) * 10;
    char** grown = nullptr;
    if (slots <= INT_MAX)
        grown = static_cast<char**>(realloc(setsB[setn], sizeof(char*) * static_cast<size_t>(slots)));
    if (!grown) {
        for (int i = 0; i < setsN[setn]; i++)
            free(setsB[setn][i]);
        free(setsB[setn]);
        setsB[setn] = nullptr;
        setsN[setn] = 0;
        return false;
    }
    for (long i = setsN[setn]; i < slots; i++)
        grown[i] = nullptr;
    setsB[setn] = grown;
    setsN[setn] = static_cast<int>(slots);
    return true;
}

} // namespace

char* _libparserMsg(int setn, int n, char* s)
{
    ParseLock lock;
    int savedErrno = errno;
    errno = 0;
    char* result = s;

    if (first) {
        if (first == 1)
            ____msg_register_first(&first);
        catalog.open("libparser");
        if (first == 1) {
            memset(setsN, 0, sizeof setsN);
            memset(setsB, 0, sizeof setsB);
        }
        first = 0;
    }

    if (setn >= 0 && setn <= 255 && n >= 1 && catalog.isOpen() && (n < setsN[setn] || growSet(setn, n))) {
        if (setsB[setn][n]) {
            result = setsB[setn][n];
        } else if (KzEnvironment::getVariable("LANG")) {
            // Without LANG nothing is cached: the built-in text is given.
            char* text = catalog.text(setn, n, s);
            char* copy = text ? strdup(text) : nullptr;
            if (copy) {
                setsB[setn][n] = copy;
                result = copy;
            }
        }
    }

    errno = savedErrno;
    return result;
}

int _libparserMsgSlots(int setn)
{
    return (setn >= 0 && setn <= 255) ? setsN[setn] : 0;
}

int _libparserMsgNumber(int setn, const char* text)
{
    if (!text || setn < 0 || setn > 255)
        return 0;
    for (int n = 1; setn == 1 && n <= MSG_COUNT; n++) {
        if (text == builtIn[n])
            return n;
    }
    for (int n = 1; setsB[setn] && n < setsN[setn]; n++) {
        if (setsB[setn][n] && text == setsB[setn][n])
            return n;
    }
    return 0;
}

const char* parserMsgDefault(int n)
{
    return (n >= 1 && n <= MSG_COUNT) ? builtIn[n] : "";
}

const char* parserMsg(int n)
{
    return _libparserMsg(1, n, const_cast<char*>(parserMsgDefault(n)));
}

} // namespace kivparser
