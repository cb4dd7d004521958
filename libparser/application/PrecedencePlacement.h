// Private: included by the menu bar, tab and menu classes and builders of the application folder.
#ifndef KIVPARSER_APPLICATION_PRECEDENCEPLACEMENT_H
#define KIVPARSER_APPLICATION_PRECEDENCEPLACEMENT_H

#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"

#include <cstdlib>

#include <new>

namespace kivparser {

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

    // The setPrecedence rule of both: -1 (none given) changes nothing, the
    // first precedence given holds, and a later different one is only
    // reported with `message` (the element's name, the precedence given, the
    // one held).
    static void keepFirst(int& held, int given, ParserMsgId message, const char* name)
    {
        if (given == -1)
            return;
        if (held == -1) {
            held = given;
            return;
        }
        if (given != held)
            warning(parserMsg(message), name, given, held);
    }
};

} // namespace kivparser

#endif
