#ifndef KIVPARSER_PLATFORM_KZCODESET_H
#define KIVPARSER_PLATFORM_KZCODESET_H

// Private to the library: the Java string helpers and the JSON writer convert
// the model's texts through these.

#include <cstddef>
#include <cstdint>

namespace kivparser {

// Conversion of text in the code set of the process's character-type locale
// (the code set the registration files are read in) to Unicode. `length`
// bytes of `text` are converted; a NUL byte is text like any other. A byte
// that does not decode (an invalid or cut sequence) becomes one U+FFFD and the
// conversion goes on behind it; when the locale's code set has no converter,
// ASCII bytes are kept and every other byte becomes U+FFFD.
//
// The result is a new buffer, released with free(), with *units set to the
// number of code units written (a terminating zero unit follows them, not
// counted). Null when memory runs out (or `units` is null).
char* kzLocaleToUtf8(const char* text, size_t length, size_t* units);
uint16_t* kzLocaleToUtf16(const char* text, size_t length, size_t* units);

} // namespace kivparser

#endif
