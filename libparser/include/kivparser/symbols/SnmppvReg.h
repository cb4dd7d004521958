#ifndef KIVPARSER_SYMBOLS_SNMPPVREG_H
#define KIVPARSER_SYMBOLS_SNMPPVREG_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class SnmppvCgi;

// The root of a CGI registration: the CGI programs of the web viewer in
// order of first appearance, behind an unnamed head.
class KIVPARSER_API SnmppvReg final : public SList {
public:
    SnmppvReg();
    ~SnmppvReg();

    SnmppvReg* next() { return static_cast<SnmppvReg*>(_next); }

    SnmppvCgi* lookupSnmppvCgi(const char* name);
    const SnmppvCgi* lookupSnmppvCgi(const char* name) const
    {
        return const_cast<SnmppvReg*>(this)->lookupSnmppvCgi(name);
    }
    SnmppvCgi* newSnmppvCgi(char* name);

    // Prints every CGI with its options and ignored actions on standard output.
    void debugDump() const;

    SnmppvCgi* snmppvCgis;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::SnmppvReg;
#endif

#endif
