#include "platform/KzUnitBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kivparser {

namespace {

const unsigned char replacementUtf8[] = {0xEF, 0xBF, 0xBD};

} // namespace

KzUnitBuffer::~KzUnitBuffer()
{
    free(data);
}

bool KzUnitBuffer::reserve(size_t more)
{
    if (capacity - used >= more)
        return true;
    size_t wanted = capacity ? capacity : 64;
    while (wanted - used < more)
        wanted *= 2;
    char* bigger = static_cast<char*>(realloc(data, wanted));
    if (!bigger) {
        free(data);
        data = nullptr;
        used = capacity = 0;
        return false;
    }
    data = bigger;
    capacity = wanted;
    return true;
}

bool KzUnitBuffer::appendBytes(const void* bytes, size_t length)
{
    if (!reserve(length))
        return false;
    if (length)
        memcpy(data + used, bytes, length);
    used += length;
    return true;
}

bool KzUnitBuffer::appendReplacement()
{
    if (unitSize == 1)
        return appendBytes(replacementUtf8, sizeof replacementUtf8);
    const uint16_t unit = 0xFFFD;
    return appendBytes(&unit, 2);
}

bool KzUnitBuffer::appendAscii(const char* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        bool done;
        if (byte >= 0x80) {
            done = appendReplacement();
        } else if (unitSize == 1) {
            done = appendBytes(&byte, 1);
        } else {
            const uint16_t unit = byte;
            done = appendBytes(&unit, 2);
        }
        if (!done)
            return false;
    }
    return true;
}

char* KzUnitBuffer::finish(size_t* units)
{
    if (!data && !reserve(unitSize))
        return nullptr;
    if (!reserve(unitSize))
        return nullptr;
    memset(data + used, 0, unitSize);
    *units = used / unitSize;
    char* result = data;
    data = nullptr;
    used = capacity = 0;
    return result;
}

} // namespace kivparser
