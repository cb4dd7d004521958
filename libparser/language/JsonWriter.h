#ifndef KIVPARSER_LANGUAGE_JSONWRITER_H
#define KIVPARSER_LANGUAGE_JSONWRITER_H

#include <cstdio>

namespace kivparser {

/* Private to the library: the JSON export (dump folder) and the JSON form of
   the reports (ParserErr.cpp) write through it. */

// Writes JSON values to a stream, compactly (no blanks, no line breaks), and
// puts the commas between members and elements itself. Every JSON text the
// library writes goes through it.
//
// Texts are byte strings of the locale's code set; JSON wants UTF-8. A text
// of ASCII bytes alone is written as it is; any other is converted from the
// locale's code set (kzLocaleToUtf8), and each byte that does not decode
// becomes the replacement character U+FFFD. Quotes, backslashes and control
// characters are escaped.
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
    // False once memory for converting a text ran out (the text was then
    // written as if it were UTF-8).
    bool complete() const { return !conversionFailed; }

    // A string literal alone, or null when `text` is null.
    static void writeString(FILE* out, const char* text);

private:
    void separate();
    void escaped(const char* text, const char* end);

    FILE* output;
    // A value was written at the current level: the next one needs a comma.
    bool needComma = false;
    bool conversionFailed = false;
};

} // namespace kivparser

#endif
