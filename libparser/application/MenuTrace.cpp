#include "application/MenuTrace.h"
#include "platform/KzPlatform.h"

#include <cstdio>

namespace kivparser {

int menuTraceVerbose = 0;
int menuBarTraceVerbose = 0;
int menuItemTraceVerbose = 0;

void menuTrace(int on, const char* format, const char* name)
{
    if (on)
        fprintf_new(stderr, format, name ? name : "NONE");
}

} // namespace kivparser
