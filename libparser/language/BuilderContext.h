#ifndef KIVPARSER_LANGUAGE_BUILDERCONTEXT_H
#define KIVPARSER_LANGUAGE_BUILDERCONTEXT_H

#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"

#include <cstdlib>

#include <new>

namespace kivparser {

// How the builders reach what a grammar action works on: the parser at work
// and its current-object fields. When the parser or the object is missing an
// internal error is reported with the number the caller gives and null (or 1,
// end of the parse) returned; whatever the action was handed is released.
class BuilderContext {
public:
    // The parser at work.
    static KivParser* parser(int check);

    // The object held in `field` of the parser at work.
    template <class T>
    static T* current(T* KivParser::*field, int check)
    {
        KivParser* at = parser(check);
        if (!at)
            return nullptr;
        T* object = at->*field;
        if (!object)
            internal(check);
        return object;
    }

    // The object held in `field`, which is cleared: the caller takes it over.
    template <class T>
    static T* take(T* KivParser::*field, int check)
    {
        T* object = current(field, check);
        if (object)
            KivParser::current->*field = nullptr;
        return object;
    }

    // Runs `apply` on the object in `field`; 1 when there is none.
    template <class T, class Apply>
    static int with(T* KivParser::*field, int check, Apply apply)
    {
        T* object = current(field, check);
        if (!object)
            return 1;
        apply(object);
        return 0;
    }

    // The same for a statement that hands over a value (heap text, tree,
    // point ...): without an object the value is released.
    template <class T, class V, class Apply>
    static int withValue(T* KivParser::*field, int check, V* value, Apply apply)
    {
        T* object = current(field, check);
        if (!object) {
            release(value);
            return 1;
        }
        apply(object, value);
        return 0;
    }

    static void release(char* text) { free(text); }
    template <class V>
    static void release(V* object)
    {
        delete object;
    }

    // The owner in `field` for a block that names `name`. When there is none
    // (internal error) or the name is null (the scanner ran out of memory:
    // nomemory), the name is released and null returned.
    template <class Owner>
    static Owner* ownerFor(Owner* KivParser::*field, char* name, int check)
    {
        Owner* owner = current(field, check);
        if (owner && !name)
            nomemory();
        if (!owner || !name) {
            free(name);
            return nullptr;
        }
        return owner;
    }

    // The element of `owner` called `name`: found with `lookup`, or made with
    // `create` (which takes the name over). A found element does not keep the
    // name, which is released. When `kind` is given, re-opening a locked
    // element (or any found one when `reportEvery`) draws the report
    // "<kind> <name>: duplicate definition(ignore)". Null after nomemory.
    template <class Owner, class T>
    static T* findOrCreate(Owner* owner, char* name, T* (Owner::*lookup)(char*), T* (Owner::*create)(char*),
                           const char* kind, bool reportEvery = false)
    {
        T* found = (owner->*lookup)(name);
        if (!found)
            return (owner->*create)(name);
        if (kind && (found->locked || reportEvery))
            warning(parserMsg(MSG_DUPLICATE), kind, name);
        free(name);
        return found;
    }

    // findOrCreate in the owner held in `ownerField`; without an owner the
    // name is released after the internal error.
    template <class Owner, class T>
    static T* define(Owner* KivParser::*ownerField, char* name, T* (Owner::*lookup)(char*),
                     T* (Owner::*create)(char*), const char* kind, int check, bool reportEvery = false)
    {
        Owner* owner = current(ownerField, check);
        if (!owner) {
            free(name);
            return nullptr;
        }
        return findOrCreate(owner, name, lookup, create, kind, reportEvery);
    }

    // Starts a definition block: the definition of `name` in the root held in
    // `rootField` (see define) becomes the parser's `currentField`.
    template <class Root, class T>
    static int beginDefinition(Root* KivParser::*rootField, T* (Root::*lookup)(char*), T* (Root::*create)(char*),
                               T* KivParser::*currentField, char* name, const char* kind, bool reportEvery,
                               int check)
    {
        T* object = define(rootField, name, lookup, create, kind, check, reportEvery);
        if (!object)
            return 1;
        KivParser::current->*currentField = object;
        return 0;
    }

    // A new empty head (or object) of type T in `field`; what a failed
    // statement left there is disposed of first.
    template <class T>
    static int startFresh(T* KivParser::*field, int check)
    {
        KivParser* at = parser(check);
        if (!at)
            return 1;
        SListOps::disposeList(at->*field);
        at->*field = new (std::nothrow) T();
        if (!(at->*field)) {
            nomemory();
            return 1;
        }
        return 0;
    }

    // Creates the registration root in `field` unless the parser has one.
    template <class T>
    static int startRoot(T* KivParser::*field, int check)
    {
        KivParser* at = parser(check);
        if (!at)
            return 1;
        return at->*field ? 0 : startFresh(field, check);
    }
};

} // namespace kivparser

#endif
