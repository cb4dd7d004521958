#ifndef KIVPARSER_SYMBOLS_SYMBOLSBUILDERCONTEXT_H
#define KIVPARSER_SYMBOLS_SYMBOLSBUILDERCONTEXT_H

#include "language/KivParser.h"
#include "language/MessageCatalog.h"
#include "language/ParserErr.h"
#include "lists/SListOps.h"

#include <cstdlib>

#include <new>

// How the symbol, field and CGI builders reach the objects a grammar action
// works on: a current-object field of the parser at work. When the parser or
// the field is missing an internal error is reported (with the number the
// caller gives) and null returned; the caller then ends the parse.
class SymbolsBuilderContext {
public:
    static KivParser* parser(int where)
    {
        KivParser* current = KivParser::current;
        if (!current)
            internal(where);
        return current;
    }

    template <class T>
    static T* need(T* KivParser::*field, int where)
    {
        KivParser* current = parser(where);
        if (!current)
            return nullptr;
        T* object = current->*field;
        if (!object)
            internal(where);
        return object;
    }

    // The object held in `field`, which is cleared: the caller takes it over.
    template <class T>
    static T* take(T* KivParser::*field, int where)
    {
        T* object = need(field, where);
        if (object)
            KivParser::current->*field = nullptr;
        return object;
    }

    // The definition of `name` in `owner`'s list: a new element, or the one
    // already there (the name is then released). Re-opening a frozen
    // definition, or any existing one when `warnAlways`, draws the report
    // "<kind> <name>: duplicate definition(ignore)". Null when out of memory.
    template <class T, class Owner>
    static T* define(Owner* owner, T* (Owner::*lookup)(char*), T* (Owner::*create)(char*), char* name,
                     const char* kind, bool warnAlways)
    {
        T* object = (owner->*lookup)(name);
        if (!object)
            return (owner->*create)(name);
        if (object->locked || warnAlways)
            warning(parserMsg(MSG_DUPLICATE), kind, name);
        free(name);
        return object;
    }

    // Starts a definition block: the definition of `name` in the root held in
    // `rootField` (see define) becomes the parser's `currentField`.
    template <class Root, class T>
    static int beginDefinition(Root* KivParser::*rootField, T* (Root::*lookup)(char*), T* (Root::*create)(char*),
                               T* KivParser::*currentField, char* name, const char* kind, bool warnAlways, int where)
    {
        Root* root = need(rootField, where);
        if (!root) {
            free(name);
            return 1;
        }
        T* object = define(root, lookup, create, name, kind, warnAlways);
        if (!object)
            return 1;
        KivParser::current->*currentField = object;
        return 0;
    }

    // A new empty head (or object) of type T in `field`; what a failed
    // statement left there is disposed of first.
    template <class T>
    static int startFresh(T* KivParser::*field, int where)
    {
        KivParser* current = parser(where);
        if (!current)
            return 1;
        SListOps::disposeList(current->*field);
        current->*field = new (std::nothrow) T();
        if (!(current->*field)) {
            nomemory();
            return 1;
        }
        return 0;
    }

    // Creates the registration root in `field` unless the parser has one.
    template <class T>
    static int startRoot(T* KivParser::*field, int where)
    {
        KivParser* current = parser(where);
        if (!current)
            return 1;
        return current->*field ? 0 : startFresh(field, where);
    }
};

#endif
