#ifndef KIVPARSER_APPLICATION_BUILDERSUPPORT_H
#define KIVPARSER_APPLICATION_BUILDERSUPPORT_H

#include "application/ParserExpression.h"
#include "language/KivParser.h"
#include "language/ParserErr.h"

#include <cstdlib>

// What the grammar actions of enrollments, drop actions and tabs share: the
// object a statement works on is one of the parser's current-object fields,
// and its absence is an internal error that ends the parse.
class BuilderSupport {
public:
    // The object in `field` of the parser at work, or null after
    // internal(check) when there is no parser or no such object.
    template <class T>
    static T* current(T* KivParser::*field, int check)
    {
        KivParser* parser = KivParser::current;
        T* object = parser ? parser->*field : nullptr;
        if (!object)
            internal(check);
        return object;
    }

    // Runs `apply` on the object in `field`; 1 (end of the parse) after the
    // internal-error report when there is none.
    template <class T, class Apply>
    static int with(T* KivParser::*field, int check, Apply apply)
    {
        T* object = current(field, check);
        if (!object)
            return 1;
        apply(object);
        return 0;
    }

    // The same for a statement that hands over a heap text or an expression
    // tree: without an object the value is released.
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
    static void release(ParserExpression* tree) { delete tree; }
};

#endif
