#include "language/JsonWriter.h"

#include "platform/KzCodeset.h"

#include <cstdlib>
#include <cstring>

namespace kivparser {

namespace {

bool continuation(unsigned char c, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return c >= low && c <= high;
}

// The length of the well-formed UTF-8 sequence at `p` (shortest form, no
// surrogates, at most U+10FFFF), or 0 when the byte at `p` does not start one.
size_t sequenceLength(const unsigned char* p, const unsigned char* end)
{
    unsigned char c = p[0];
    size_t left = static_cast<size_t>(end - p);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return left >= 2 && continuation(p[1]) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        unsigned char low = c == 0xE0 ? 0xA0 : 0x80;
        unsigned char high = c == 0xED ? 0x9F : 0xBF;
        return left >= 3 && continuation(p[1], low, high) && continuation(p[2]) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        unsigned char low = c == 0xF0 ? 0x90 : 0x80;
        unsigned char high = c == 0xF4 ? 0x8F : 0xBF;
        return left >= 4 && continuation(p[1], low, high) && continuation(p[2]) && continuation(p[3]) ? 4 : 0;
    }
    return 0;
}

void writeEscaped(FILE* out, const char* text, const char* end)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* stop = reinterpret_cast<const unsigned char*>(end);
    putc('"', out);
    while (p < stop) {
        // Runs of bytes that need nothing are written in one piece.
        const unsigned char* run = p;
        while (p < stop && *p >= 0x20 && *p < 0x80 && *p != '"' && *p != '\\')
            ++p;
        if (p > run)
            fwrite(run, 1, static_cast<size_t>(p - run), out);
        if (p == stop)
            break;
        unsigned char c = *p;
        if (c >= 0x80) {
            // The replacement character is always written as an escape,
            // so that what did not decode stands out.
            size_t length = sequenceLength(p, stop);
            if (length == 0) {
                fputs("\\ufffd", out);
                length = 1;
            } else if (length == 3 && p[0] == 0xEF && p[1] == 0xBF && p[2] == 0xBD) {
                fputs("\\ufffd", out);
            } else {
                fwrite(p, 1, length, out);
            }
            p += length;
            continue;
        }
        switch (c) {
        case '"':
            fputs("\\\"", out);
            break;
        case '\\':
            fputs("\\\\", out);
            break;
        case '\n':
            fputs("\\n", out);
            break;
        case '\t':
            fputs("\\t", out);
            break;
        case '\r':
            fputs("\\r", out);
            break;
        case '\b':
            fputs("\\b", out);
            break;
        case '\f':
            fputs("\\f", out);
            break;
        default:
            fprintf(out, "\\u%04x", c);
            break;
        }
        ++p;
    }
    putc('"', out);
}

// A text of the locale's code set as a JSON string of UTF-8. When memory for
// the conversion runs out, the text is taken for UTF-8 as it is (each byte
// that is not part of a well-formed sequence becomes U+FFFD) and the result
// is false.
bool writeText(FILE* out, const char* text, const char* end)
{
    const char* p = text;
    while (p < end && static_cast<unsigned char>(*p) < 0x80)
        ++p;
    if (p == end) {
        writeEscaped(out, text, end);
        return true;
    }
    size_t units = 0;
    char* utf8 = kzLocaleToUtf8(text, static_cast<size_t>(end - text), &units);
    if (utf8) {
        writeEscaped(out, utf8, utf8 + units);
        free(utf8);
        return true;
    }
    writeEscaped(out, text, end);
    return false;
}

} // namespace

void JsonWriter::separate()
{
    if (needComma)
        putc(',', output);
}

void JsonWriter::key(const char* name)
{
    separate();
    writeEscaped(output, name, name + strlen(name));
    putc(':', output);
    needComma = false;
}

void JsonWriter::beginObject()
{
    separate();
    putc('{', output);
    needComma = false;
}

void JsonWriter::endObject()
{
    putc('}', output);
    needComma = true;
}

void JsonWriter::beginArray()
{
    separate();
    putc('[', output);
    needComma = false;
}

void JsonWriter::endArray()
{
    putc(']', output);
    needComma = true;
}

void JsonWriter::string(const char* text)
{
    if (!text) {
        null();
        return;
    }
    separate();
    if (!writeText(output, text, text + strlen(text)))
        conversionFailed = true;
    needComma = true;
}

void JsonWriter::stringTrimmed(const char* text)
{
    if (!text) {
        null();
        return;
    }
    const char* end = text + strlen(text);
    while (end > text && (end[-1] == '\n' || end[-1] == '\r'))
        --end;
    separate();
    if (!writeText(output, text, end))
        conversionFailed = true;
    needComma = true;
}

void JsonWriter::number(long value)
{
    separate();
    fprintf(output, "%ld", value);
    needComma = true;
}

void JsonWriter::null()
{
    separate();
    fputs("null", output);
    needComma = true;
}

void JsonWriter::writeString(FILE* out, const char* text)
{
    JsonWriter(out).string(text);
}

} // namespace kivparser
