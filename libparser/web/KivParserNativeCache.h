// Private: included by KivParserNative.cpp and its tests.
#ifndef KIVPARSER_WEB_KIVPARSERNATIVECACHE_H
#define KIVPARSER_WEB_KIVPARSERNATIVECACHE_H

namespace kivparser {

class SymbolRegistration;
class SymbolClass;

// The symbol registration that the style sheet and the icon URLs share: the
// one loaded last, and the head of its class list (null while nothing usable
// is cached). Hosts release it through kivParserReleaseSymbolCache.
extern SymbolRegistration* lastSrf;
extern SymbolClass* lastSymbolClass;

} // namespace kivparser

#endif
