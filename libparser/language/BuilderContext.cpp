#include "language/BuilderContext.h"

namespace kivparser {

KivParser* BuilderContext::parser(int check)
{
    KivParser* at = KivParser::current;
    if (!at)
        internal(check);
    return at;
}

} // namespace kivparser
