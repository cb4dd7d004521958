// Code-set conversion on POSIX systems: iconv from the code set that
// nl_langinfo names for the character-type locale.
#include "platform/KzCodeset.h"
#include "platform/KzUnitBuffer.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>

namespace kivparser {

namespace {

bool littleEndian()
{
    const uint16_t probe = 1;
    return *reinterpret_cast<const unsigned char*>(&probe) == 1;
}

bool convertWith(iconv_t cd, const char* text, size_t length, KzUnitBuffer& out)
{
    char* in = const_cast<char*>(text);
    size_t inLeft = length;
    // One byte rarely yields more than two units; the buffer grows if a code
    // set proves otherwise.
    if (!out.reserve(2 * length * out.unit() + 8))
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
        if (!out.appendReplacement())
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
    KzUnitBuffer out(unitSize);
    iconv_t cd = iconv_open(target, nl_langinfo(CODESET));
    bool done = cd == reinterpret_cast<iconv_t>(-1) ? out.appendAscii(text, length)
                                                     : convertWith(cd, text, length, out);
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
    return done ? out.finish(units) : nullptr;
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
