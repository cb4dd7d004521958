#ifndef KIVPARSER_APPLICATION_BUILDERCONTEXT_H
#define KIVPARSER_APPLICATION_BUILDERCONTEXT_H

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
};

#endif
