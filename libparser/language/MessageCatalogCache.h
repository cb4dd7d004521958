// Private: included by the message catalog and the reports of the language folder, and their tests.
#ifndef KIVPARSER_LANGUAGE_MESSAGECATALOGCACHE_H
#define KIVPARSER_LANGUAGE_MESSAGECATALOGCACHE_H

namespace kivparser {

// Number of cache slots the catalog lookup has allocated for set `setn`.
int _libparserMsgSlots(int setn);

// The number of the message of set `setn` whose text `text` is (the very
// pointer that the lookup handed out: a cached text, or for set 1 a built-in
// one), or 0 when it is none.
int _libparserMsgNumber(int setn, const char* text);

} // namespace kivparser

#endif
