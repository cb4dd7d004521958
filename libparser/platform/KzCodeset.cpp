#include "platform/KzCodeset.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>

namespace kivparser {

namespace {

// A growing buffer of code units of one size (1 for UTF-8, 2 for UTF-16).
struct Units {
    char* data = nullptr;
    size_t used = 0;     // bytes
    size_t capacity = 0; // bytes

    // Room for `more` bytes behind `used`; false (and the buffer released)
    // when memory runs out.
    bool reserve(size_t more)
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
            return false;
        }
        data = bigger;
        capacity = wanted;
        return true;
    }
};

// The replacement character U+FFFD in the target encoding.
const unsigned char replacementUtf8[] = {0xEF, 0xBF, 0xBD};

bool littleEndian()
{
    const uint16_t probe = 1;
    return *reinterpret_cast<const unsigned char*>(&probe) == 1;
}

bool appendReplacement(Units& out, size_t unitSize)
{
    if (unitSize == 1) {
        if (!out.reserve(sizeof replacementUtf8))
            return false;
        memcpy(out.data + out.used, replacementUtf8, sizeof replacementUtf8);
        out.used += sizeof replacementUtf8;
        return true;
    }
    if (!out.reserve(2))
        return false;
    const uint16_t unit = 0xFFFD;
    memcpy(out.data + out.used, &unit, 2);
    out.used += 2;
    return true;
}

bool appendAscii(Units& out, unsigned char byte, size_t unitSize)
{
    if (byte >= 0x80)
        return appendReplacement(out, unitSize);
    if (!out.reserve(unitSize))
        return false;
    if (unitSize == 1) {
        out.data[out.used++] = static_cast<char>(byte);
    } else {
        const uint16_t unit = byte;
        memcpy(out.data + out.used, &unit, 2);
        out.used += 2;
    }
    return true;
}

// Without a converter for the locale's code set only ASCII is known.
bool convertAscii(const char* text, size_t length, Units& out, size_t unitSize)
{
    for (size_t i = 0; i < length; ++i)
        if (!appendAscii(out, static_cast<unsigned char>(text[i]), unitSize))
            return false;
    return true;
}

bool convertWith(iconv_t cd, const char* text, size_t length, Units& out, size_t unitSize)
{
    char* in = const_cast<char*>(text);
    size_t inLeft = length;
    // One byte rarely yields more than two units; the buffer grows if a code
    // set proves otherwise.
    if (!out.reserve(2 * length * unitSize + 8))
        return false;
    for (;;) {
        // With the input used up, one last call writes out what a stateful
        // converter still holds.
        bool flushing = inLeft == 0;
        char* outPtr = out.data + out.used;
        size_t outLeft = out.capacity - out.used;
        size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                             : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        int err = errno;
        out.used = static_cast<size_t>(outPtr - out.data);
        if (rc != static_cast<size_t>(-1)) {
            if (flushing)
                return true;
            continue;
        }
        if (err == E2BIG) {
            if (!out.reserve(out.capacity - out.used + 64))
                return false;
            continue;
        }
        if (flushing)
            return true;
        // An invalid or cut sequence: one replacement character for the
        // byte, then on behind it.
        if (!appendReplacement(out, unitSize))
            return false;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
}

char* convert(const char* text, size_t length, size_t* units, const char* target, size_t unitSize)
{
    if (!units || (!text && length))
        return nullptr;
    Units out;
    iconv_t cd = iconv_open(target, nl_langinfo(CODESET));
    bool done = cd == reinterpret_cast<iconv_t>(-1) ? convertAscii(text, length, out, unitSize)
                                                     : convertWith(cd, text, length, out, unitSize);
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
    if (!done || !out.reserve(unitSize)) {
        free(out.data);
        return nullptr;
    }
    memset(out.data + out.used, 0, unitSize);
    *units = out.used / unitSize;
    return out.data;
}

} // namespace

char* kzLocaleToUtf8(const char* text, size_t length, size_t* units)
{
    return convert(text, length, units, "UTF-8", 1);
}

uint16_t* kzLocaleToUtf16(const char* text, size_t length, size_t* units)
{
    return reinterpret_cast<uint16_t*>(
        convert(text, length, units, littleEndian() ? "UTF-16LE" : "UTF-16BE", 2));
}

} // namespace kivparser
