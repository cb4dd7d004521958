// Private: included by the language folder and the builders of the application and symbols folders.
#ifndef KIVPARSER_LANGUAGE_BUILDERCONTEXT_H
#define KIVPARSER_LANGUAGE_BUILDERCONTEXT_H

#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "language/SourceMap.h"
#include "language/TokenPositions.h"
#include "lists/SListOps.h"
#include "platform/KzPlatform.h"

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

    // Named objects are described by a definition type, whose static
    // members say what a block or a reference of that kind needs:
    //   Owner, Object   the owner of the name space and the named object;
    //   lookup, create  the owner's lookup and new operations (create takes
    //                   the name over);
    //   kind            the word of the report "<kind> <name>: duplicate
    //                   definition(ignore)", or null for never;
    //   reportEvery     true: every re-opening is a duplicate; false: only
    //                   the re-opening of a locked (completed) object;
    //   owner, current  the parser's fields that hold the owner and, while
    //                   its block is read, the object (for define and
    //                   beginDefinition).
    // A definition type derives from Definition, which sets the first four
    // (no report), and adds or overrides the others, for example
    //   struct PopupMenuDefinition : BuilderContext::Definition<Application,
    //       PopupMenu, &Application::lookupPopupMenu, &Application::newPopupMenu> {
    //       static constexpr const char* kind = "PopupMenu";
    //   };
    template <class O, class T, T* (O::*Lookup)(const char*), T* (O::*Create)(char*)>
    struct Definition {
        using Owner = O;
        using Object = T;
        static constexpr auto lookup = Lookup;
        static constexpr auto create = Create;
        static constexpr const char* kind = nullptr;
        static constexpr bool reportEvery = false;
    };

    // The object of `owner` called `name`: found, or made. A found object
    // does not keep the name, which is released. Null after nomemory. A
    // reference draws no report.
    template <class Def>
    static typename Def::Object* refer(typename Def::Owner* owner, char* name)
    {
        return findOrCreate<Def>(owner, name, false);
    }

    // The same for a name the caller keeps: it is copied only when the
    // object has to be made.
    template <class Def>
    static typename Def::Object* referTo(typename Def::Owner* owner, const char* name)
    {
        typename Def::Object* found = (owner->*Def::lookup)(const_cast<char*>(name));
        if (found)
            return found;
        char* copy = _strdup(name);
        if (!copy) {
            nomemory();
            return nullptr;
        }
        return (owner->*Def::create)(copy);
    }

    // The same for a block that defines the object: re-opening it draws the
    // duplicate report of its kind.
    template <class Def>
    static typename Def::Object* open(typename Def::Owner* owner, char* name)
    {
        return findOrCreate<Def>(owner, name, true);
    }

    // open in the owner that the parser holds; without an owner the name is
    // released after the internal error `check`.
    template <class Def>
    static typename Def::Object* define(char* name, int check)
    {
        typename Def::Owner* owner = current(Def::owner, check);
        if (!owner) {
            free(name);
            return nullptr;
        }
        return open<Def>(owner, name);
    }

    // Starts a definition block: the defined object becomes the parser's
    // current one of its kind.
    template <class Def>
    static int beginDefinition(char* name, int check)
    {
        typename Def::Object* object = define<Def>(name, check);
        if (!object)
            return 1;
        KivParser::current->*Def::current = object;
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

    // Creates the registration root in `field` unless the parser has one;
    // what the parse defines is recorded in the source map of that root.
    template <class T>
    static int startRoot(T* KivParser::*field, int check)
    {
        KivParser* at = parser(check);
        if (!at)
            return 1;
        if (!(at->*field) && startFresh(field, check) != 0)
            return 1;
        SourceMap::parseInto(at->*field);
        return 0;
    }

    // The duplicate report of a block that defines `object` again at
    // `place` (null: unknown): "first defined here" points at its first
    // definition; one in another file of the load makes it a shadowed
    // definition.
    static void reportDuplicate(const void* object, const SourceSpan* place, const char* kind, const char* name);

private:
    // A definition is recorded in the source map at the span of its name.
    template <class Def>
    static typename Def::Object* findOrCreate(typename Def::Owner* owner, char* name, bool definition)
    {
        SourceSpan place;
        bool placed = definition && TokenPositions::spanOfText(name, &place);
        typename Def::Object* found = (owner->*Def::lookup)(name);
        if (!found) {
            typename Def::Object* made = (owner->*Def::create)(name);
            if (made && placed)
                SourceMap::definedAt(made, place);
            return made;
        }
        if (definition && Def::kind && (found->locked || Def::reportEvery))
            reportDuplicate(found, placed ? &place : nullptr, Def::kind, name);
        free(name);
        if (placed)
            SourceMap::definedAt(found, place);
        return found;
    }
};

} // namespace kivparser

#endif
