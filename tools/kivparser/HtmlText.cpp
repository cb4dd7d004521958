#include "HtmlText.h"

#include <cstring>

std::string HtmlText::escape(const char* text)
{
    return text ? escape(text, text + std::strlen(text)) : std::string();
}

std::string HtmlText::escape(const char* begin, const char* end)
{
    std::string out;
    append(out, begin, end);
    return out;
}

void HtmlText::append(std::string& out, const char* begin, const char* end)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(begin);
    const unsigned char* stop = reinterpret_cast<const unsigned char*>(end);
    while (p < stop) {
        unsigned char c = *p;
        if (c >= 0x80) {
            std::size_t length = sequenceLength(p, stop);
            if (length) {
                out.append(reinterpret_cast<const char*>(p), length);
                p += length;
            } else {
                out += "\xef\xbf\xbd";
                ++p;
            }
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7f)
                out += "\xef\xbf\xbd";
            else
                out += static_cast<char>(c);
        }
        ++p;
    }
}

std::size_t HtmlText::sequenceLength(const unsigned char* p, const unsigned char* end)
{
    unsigned char c = p[0];
    std::size_t length;
    unsigned char low = 0x80, high = 0xbf; // the range of the second byte
    if (c >= 0xc2 && c <= 0xdf) {
        length = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        length = 3;
        if (c == 0xe0)
            low = 0xa0; // no overlong forms
        else if (c == 0xed)
            high = 0x9f; // no surrogates
    } else if (c >= 0xf0 && c <= 0xf4) {
        length = 4;
        if (c == 0xf0)
            low = 0x90;
        else if (c == 0xf4)
            high = 0x8f; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xbf)
            return 0;
    }
    return length;
}
