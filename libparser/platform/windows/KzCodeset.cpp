// Code-set conversion on Windows: MultiByteToWideChar from the code page of
// the character-type locale, WideCharToMultiByte for UTF-8.
#include "platform/KzCodeset.h"
#include "platform/KzUnitBuffer.h"
#include "platform/windows/KzWin32.h"

#include <climits>
#include <cstdlib>
#include <windows.h>

namespace kivparser {

namespace {

enum Run { converted, undecodable, noMemory };

// Converts `length` bytes as they are, or says that they do not decode.
Run convertRun(unsigned codePage, const char* text, size_t length, KzUnitBuffer& out)
{
    if (length == 0)
        return converted;
    if (length > INT_MAX)
        return undecodable;
    int count = static_cast<int>(length);
    DWORD flags = MB_ERR_INVALID_CHARS;
    int units = MultiByteToWideChar(codePage, flags, text, count, nullptr, 0);
    if (units <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        // Code pages without a strict mode convert as they can.
        flags = 0;
        units = MultiByteToWideChar(codePage, flags, text, count, nullptr, 0);
    }
    if (units <= 0)
        return undecodable;
    if (!out.reserve(static_cast<size_t>(units) * 2))
        return noMemory;
    MultiByteToWideChar(codePage, flags, text, count, reinterpret_cast<wchar_t*>(out.data + out.used), units);
    out.used += static_cast<size_t>(units) * 2;
    return converted;
}

// Bytes of the character that starts at `text`, as the code page splits
// them: UTF-8 by its lead byte, double-byte code pages by their lead bytes.
size_t characterLength(unsigned codePage, const unsigned char* text, size_t left)
{
    size_t length = 1;
    if (codePage == CP_UTF8)
        length = text[0] >= 0xF0 ? 4 : text[0] >= 0xE0 ? 3 : text[0] >= 0xC0 ? 2 : 1;
    else if (IsDBCSLeadByteEx(codePage, text[0]))
        length = 2;
    return length < left ? length : left;
}

// UTF-16 of the locale's text: the whole text at once when it decodes, else
// character by character, each byte that does not decode as U+FFFD.
bool toUtf16(const char* text, size_t length, KzUnitBuffer& out)
{
    unsigned codePage = kzLocaleCodePage();
    if (codePage == 0)
        return out.appendAscii(text, length); // the "C" locale: ASCII
    Run whole = convertRun(codePage, text, length, out);
    if (whole != undecodable)
        return whole == converted;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    for (size_t at = 0; at < length;) {
        size_t n = characterLength(codePage, bytes + at, length - at);
        Run one = convertRun(codePage, text + at, n, out);
        if (one == noMemory)
            return false;
        if (one == converted) {
            at += n;
            continue;
        }
        if (!out.appendReplacement())
            return false;
        ++at;
    }
    return true;
}

} // namespace

uint16_t* kzLocaleToUtf16(const char* text, size_t length, size_t* units)
{
    if (!units || (!text && length))
        return nullptr;
    KzUnitBuffer out(2);
    if (!toUtf16(text, length, out))
        return nullptr;
    return reinterpret_cast<uint16_t*>(out.finish(units));
}

char* kzLocaleToUtf8(const char* text, size_t length, size_t* units)
{
    size_t wideUnits = 0;
    uint16_t* wide = kzLocaleToUtf16(text, length, &wideUnits);
    if (!wide)
        return nullptr;
    KzUnitBuffer out(1);
    bool done = true;
    if (wideUnits > 0) {
        const wchar_t* from = reinterpret_cast<const wchar_t*>(wide);
        int count = wideUnits > INT_MAX ? INT_MAX : static_cast<int>(wideUnits);
        int bytes = WideCharToMultiByte(CP_UTF8, 0, from, count, nullptr, 0, nullptr, nullptr);
        done = bytes > 0 && out.reserve(static_cast<size_t>(bytes));
        if (done) {
            WideCharToMultiByte(CP_UTF8, 0, from, count, out.data, bytes, nullptr, nullptr);
            out.used = static_cast<size_t>(bytes);
        }
    }
    free(wide);
    return done ? out.finish(units) : nullptr;
}

} // namespace kivparser
