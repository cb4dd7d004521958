#ifndef KIVPARSER_DUMP_JSONWRITER_H
#define KIVPARSER_DUMP_JSONWRITER_H

#include <cstdio>

namespace kivparser {

// Writes JSON values to a stream, compactly (no blanks, no line breaks), and
// puts the commas between members and elements itself. Every JSON text the
// library writes goes through it.
//
// Texts are byte strings of the locale's code set; JSON wants UTF-8. Bytes
// that form well-formed UTF-8 are copied; every other byte becomes the
// replacement character U+FFFD (written "\ufffd"). Quotes, backslashes and
// control characters are escaped.
class JsonWriter {
public:
    explicit JsonWriter(FILE* out) : output(out) {}

    // A member name inside an object; the value follows.
    void key(const char* name);
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // A string, or null when `text` is null.
    void string(const char* text);
    // `text` without the line breaks that end it (null stays null).
    void stringTrimmed(const char* text);
    void number(long value);
    void null();

    // A string literal alone, or null when `text` is null.
    static void writeString(FILE* out, const char* text);

private:
    void separate();
    void escaped(const char* text, const char* end);

    FILE* output;
    // A value was written at the current level: the next one needs a comma.
    bool needComma = false;
};

} // namespace kivparser

#endif
