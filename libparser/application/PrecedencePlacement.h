#ifndef KIVPARSER_APPLICATION_PRECEDENCEPLACEMENT_H
#define KIVPARSER_APPLICATION_PRECEDENCEPLACEMENT_H

#include "language/ParserErr.h"

#include <cstdlib>

#include <new>

// Menu bars and tabs are registration-wide and kept in precedence order. A
// definition block of one of them names it with a precedence (-1 when none
// is given); the definition found earlier (`found`, null when there is none)
// is reused, else a new one is made. An element first defined without a
// precedence moves once, when a later block first gives one.
class PrecedencePlacement {
public:
    // The element for the block: takes the name over (a found element does
    // not keep it). Null after nomemory.
    template <class T>
    static T* define(T* head, T* found, char* name, int precedence)
    {
        T* element = found;
        bool place = false;
        if (!element) {
            element = new (std::nothrow) T(name);
            if (!element) {
                nomemory();
                free(name);
                return nullptr;
            }
            place = true;
        } else {
            if (element->precedence < 0 && precedence >= 0) {
                head->pullaway(element);
                place = true;
            }
            free(name);
        }
        element->setPrecedence(precedence);
        if (place)
            head->append(element);
        return element;
    }
};

#endif
