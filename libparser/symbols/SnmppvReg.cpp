#include "kivparser/symbols/SnmppvReg.h"
#include "lists/SListOps.h"
#include "symbols/NamedList.h"
#include "kivparser/symbols/SnmppvCgi.h"
#include "language/SourceMap.h"

namespace kivparser {

SnmppvReg::SnmppvReg() : SList(), snmppvCgis(nullptr) {}

SnmppvReg::~SnmppvReg()
{
    SourceMap::release(this);
    SListOps::disposeList(snmppvCgis);
}

SnmppvCgi* SnmppvReg::lookupSnmppvCgi(const char* name)
{
    return SListOps::lookup(snmppvCgis, &SnmppvCgi::cgiNameID, name);
}

SnmppvCgi* SnmppvReg::newSnmppvCgi(char* name)
{
    return NamedList::appendNew(snmppvCgis, name);
}

} // namespace kivparser
