#ifndef KIVPARSER_APPLICATION_BUILDERCONTEXT_H
#define KIVPARSER_APPLICATION_BUILDERCONTEXT_H

#include "language/MessageCatalog.h"
#include "language/ParserErr.h"

#include <cstdlib>

class KivParser;
class ApplicationRegistration;
class Application;
class Action;
class String;

// What the grammar actions of the application kind find in the parser at
// work. Every accessor reports an internal error with the caller's check
// number and returns null when the object it looks for is missing: a grammar
// action that finds no current object ends the parse.
class BuilderContext {
public:
    static KivParser* parser(int check);
    static ApplicationRegistration* registration(int check);
    static Application* application(int check);
    static Action* action(int check);
    // Takes the value list collected in curString over (curString is
    // cleared).
    static String* takeValueList(int check);

    // The current application for a block that names `name`; when there is
    // none (internal error) or the name is null (the scanner ran out of
    // memory: nomemory), the name is released and null returned.
    static Application* applicationFor(char* name, int check);

    // The element of `app` called `name`: found with `lookup`, or made with
    // `create` (which takes the name over). A found element does not keep the
    // name, which is released; when `duplicateWord` is given and the found
    // element is locked, the duplicate-definition warning names it. Null
    // after nomemory.
    template <class T>
    static T* findOrCreate(Application* app, char* name, T* (Application::*lookup)(char*),
                           T* (Application::*create)(char*), const char* duplicateWord)
    {
        T* found = (app->*lookup)(name);
        if (!found)
            return (app->*create)(name);
        if (duplicateWord && found->locked)
            warning(parserMsg(MSG_DUPLICATE), duplicateWord, name);
        free(name);
        return found;
    }
};

#endif
