#include "application/BuilderContext.h"
#include "language/KivParser.h"
#include "language/ParserErr.h"

#include <cstdlib>

namespace {

template <class T>
T* present(T* object, int check)
{
    if (!object)
        internal(check);
    return object;
}

} // namespace

KivParser* BuilderContext::parser(int check)
{
    return present(KivParser::current, check);
}

ApplicationRegistration* BuilderContext::registration(int check)
{
    KivParser* at = parser(check);
    return at ? present(at->curAppReg, check) : nullptr;
}

Application* BuilderContext::application(int check)
{
    KivParser* at = parser(check);
    return at ? present(at->curApplication, check) : nullptr;
}

Action* BuilderContext::action(int check)
{
    KivParser* at = parser(check);
    return at ? present(at->curAction, check) : nullptr;
}

String* BuilderContext::takeValueList(int check)
{
    KivParser* at = parser(check);
    if (!at)
        return nullptr;
    String* list = present(at->curString, check);
    at->curString = nullptr;
    return list;
}

Application* BuilderContext::applicationFor(char* name, int check)
{
    Application* app = application(check);
    if (app && !name)
        nomemory();
    if (!app || !name) {
        free(name);
        return nullptr;
    }
    return app;
}
