#include "support/JsonCheck.h"

#include <cstring>
#include <vector>

namespace {

class Checker {
public:
    Checker(const char* text, size_t length) : p_(reinterpret_cast<const unsigned char*>(text)), end_(p_ + length) {}

    bool run()
    {
        enum { VALUE, VALUE_OR_CLOSE, KEY, KEY_OR_CLOSE, COLON, AFTER_VALUE } expect = VALUE;
        std::vector<unsigned char> open;
        for (;;) {
            while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n' || *p_ == '\r'))
                ++p_;
            if (p_ == end_)
                return open.empty() && expect == AFTER_VALUE;
            unsigned char c = *p_;
            switch (expect) {
            case VALUE_OR_CLOSE:
            case VALUE:
                if (expect == VALUE_OR_CLOSE && c == ']') {
                    ++p_;
                    open.pop_back();
                    expect = AFTER_VALUE;
                } else if (c == '{' || c == '[') {
                    ++p_;
                    open.push_back(c);
                    expect = c == '{' ? KEY_OR_CLOSE : VALUE_OR_CLOSE;
                } else if (scalar()) {
                    expect = AFTER_VALUE;
                } else {
                    return false;
                }
                break;
            case KEY_OR_CLOSE:
            case KEY:
                if (expect == KEY_OR_CLOSE && c == '}') {
                    ++p_;
                    open.pop_back();
                    expect = AFTER_VALUE;
                } else if (c == '"' && string()) {
                    expect = COLON;
                } else {
                    return false;
                }
                break;
            case COLON:
                if (c != ':')
                    return false;
                ++p_;
                expect = VALUE;
                break;
            case AFTER_VALUE:
                if (open.empty())
                    return false;
                ++p_;
                if (c == ',')
                    expect = open.back() == '{' ? KEY : VALUE;
                else if ((c == '}' && open.back() == '{') || (c == ']' && open.back() == '['))
                    open.pop_back();
                else
                    return false;
                break;
            }
        }
    }

private:
    bool literal(const char* word)
    {
        size_t n = strlen(word);
        if (static_cast<size_t>(end_ - p_) < n || memcmp(p_, word, n) != 0)
            return false;
        p_ += n;
        return true;
    }

    bool digits()
    {
        const unsigned char* start = p_;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9')
            ++p_;
        return p_ > start;
    }

    bool number()
    {
        if (p_ < end_ && *p_ == '-')
            ++p_;
        if (p_ < end_ && *p_ == '0')
            ++p_;
        else if (!digits())
            return false;
        if (p_ < end_ && *p_ == '.') {
            ++p_;
            if (!digits())
                return false;
        }
        if (p_ < end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ < end_ && (*p_ == '+' || *p_ == '-'))
                ++p_;
            if (!digits())
                return false;
        }
        return true;
    }

    // One UTF-8 character of two to four bytes, well formed.
    bool multibyte()
    {
        unsigned char c = *p_;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
        unsigned value = c & (0x3F >> more);
        if (c < 0xC2 || c > 0xF4 || end_ - p_ <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p_[i] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p_[i] & 0x3F);
        }
        static const unsigned least[] = {0, 0x80, 0x800, 0x10000};
        if (value < least[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        p_ += more + 1;
        return true;
    }

    bool string()
    {
        ++p_;
        while (p_ < end_) {
            unsigned char c = *p_;
            if (c == '"') {
                ++p_;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c >= 0x80) {
                if (!multibyte())
                    return false;
                continue;
            }
            ++p_;
            if (c != '\\')
                continue;
            if (p_ == end_)
                return false;
            c = *p_++;
            if (c == 'u') {
                for (int i = 0; i < 4; ++i, ++p_) {
                    if (p_ == end_ || !strchr("0123456789abcdefABCDEF", *p_) || *p_ == 0)
                        return false;
                }
            } else if (!strchr("\"\\/bfnrt", c) || c == 0) {
                return false;
            }
        }
        return false;
    }

    bool scalar()
    {
        unsigned char c = *p_;
        if (c == '"')
            return string();
        if (c == 't')
            return literal("true");
        if (c == 'f')
            return literal("false");
        if (c == 'n')
            return literal("null");
        return number();
    }

    const unsigned char* p_;
    const unsigned char* end_;
};

} // namespace

bool isValidJson(const char* text, size_t length)
{
    return text && Checker(text, length).run();
}
