#include "language/BuilderContext.h"

KivParser* BuilderContext::parser(int check)
{
    KivParser* at = KivParser::current;
    if (!at)
        internal(check);
    return at;
}
