// Private: included by the code-set conversions (posix/KzCodeset.cpp, windows/KzCodeset.cpp).
#ifndef KIVPARSER_PLATFORM_KZUNITBUFFER_H
#define KIVPARSER_PLATFORM_KZUNITBUFFER_H

#include <cstddef>

namespace kivparser {

// The result of a code-set conversion while it is written: a growing buffer of
// code units of one size (1 for UTF-8, 2 for UTF-16). Every append returns
// false when memory runs out; the buffer is then released.
class KzUnitBuffer final {
public:
    explicit KzUnitBuffer(size_t unitSize) : unitSize(unitSize) {}
    ~KzUnitBuffer();

    size_t unit() const { return unitSize; }

    // Room for `more` bytes behind `used`.
    bool reserve(size_t more);
    // U+FFFD, the stand-in for a byte that does not decode.
    bool appendReplacement();
    // `length` bytes of ASCII: every byte above 0x7F becomes U+FFFD (the
    // conversion of a code set nothing else is known about).
    bool appendAscii(const char* text, size_t length);
    // Bytes already in the buffer's encoding.
    bool appendBytes(const void* bytes, size_t length);

    // Hands the buffer over (released with free()), a zero unit behind the
    // text, with *units set to the units before it; null when memory ran out.
    char* finish(size_t* units);

    // Written directly by converters that fill the buffer themselves: the
    // bytes in use and the bytes there is room for.
    char* data = nullptr;
    size_t used = 0;
    size_t capacity = 0;

private:
    size_t unitSize;

    KzUnitBuffer(const KzUnitBuffer&) = delete;
    KzUnitBuffer& operator=(const KzUnitBuffer&) = delete;
};

} // namespace kivparser

#endif
