#ifndef KIVPARSER_SYMBOLS_SNMPPVREG_H
#define KIVPARSER_SYMBOLS_SNMPPVREG_H

#include "lists/SList.h"

class SnmppvCgi;

// The root of a CGI registration: the CGI programs of the web viewer in
// order of first appearance, behind an unnamed head.
class SnmppvReg final : public SList {
public:
    SnmppvReg();
    ~SnmppvReg();

    SnmppvReg* next() { return static_cast<SnmppvReg*>(_next); }

    SnmppvCgi* lookupSnmppvCgi(char* name);
    SnmppvCgi* newSnmppvCgi(char* name);

    // Prints every CGI with its options and ignored actions on standard output.
    void debugDump();

    SnmppvCgi* snmppvCgis;
};

#endif
