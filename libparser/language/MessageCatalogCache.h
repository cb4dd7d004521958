#ifndef KIVPARSER_LANGUAGE_MESSAGECATALOGCACHE_H
#define KIVPARSER_LANGUAGE_MESSAGECATALOGCACHE_H

namespace kivparser {

// Number of cache slots the catalog lookup has allocated for set `setn`.
int _libparserMsgSlots(int setn);

} // namespace kivparser

#endif
