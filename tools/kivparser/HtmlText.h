#ifndef KIVPARSER_TOOL_HTMLTEXT_H
#define KIVPARSER_TOOL_HTMLTEXT_H

#include <string>

// Texts of the registration in an HTML page written as UTF-8: `&`, `<`, `>`
// and both quotes become character references (so a text is safe in element
// content and in quoted attribute values alike), control characters other
// than tab and line feed become U+FFFD, and so does every byte that is not
// part of a well-formed UTF-8 sequence, as in the library's JSON export.
class HtmlText {
public:
    static std::string escape(const char* text);
    static std::string escape(const char* begin, const char* end);
    static std::string escape(const std::string& text) { return escape(text.data(), text.data() + text.size()); }
    static void append(std::string& out, const char* begin, const char* end);

    // The length of the well-formed UTF-8 sequence at `p` (before `end`), or 0.
    static std::size_t sequenceLength(const unsigned char* p, const unsigned char* end);
};

#endif
