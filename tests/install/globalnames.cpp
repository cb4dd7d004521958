// Must not compile: without the global names, String is unknown.
#define KIVPARSER_NO_GLOBAL_NAMES
#include <kivparser/kivparser.h>

String* unknown = nullptr;
