#include "kivparser/version.h"

namespace kivparser {

const char* version()
{
    return KIVPARSER_VERSION_STRING;
}

} // namespace kivparser
