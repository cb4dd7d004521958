#include "kivparser/web/UrlPathConv.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>

namespace kivparser {

char* UrlPathConv(char* path)
{
    if (!path)
        return nullptr;
    static const char hex[] = "0123456789ABCDEF";
    size_t length = strlen(path);
    char* work = static_cast<char*>(malloc(length * 3 + 1));
    if (!work) {
        free(path);
        return nullptr;
    }
    char* out = work;
    for (const unsigned char* in = reinterpret_cast<unsigned char*>(path); *in; in++) {
        if (*in < 128) {
            *out++ = static_cast<char>(*in);
        } else {
            *out++ = '%';
            *out++ = hex[*in >> 4];
            *out++ = hex[*in & 0x0F];
        }
    }
    *out = '\0';
    char* result = _strdup(work);
    free(work);
    free(path);
    return result;
}

} // namespace kivparser
