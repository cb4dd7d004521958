#include "lsp/MessageReader.h"

#include <cctype>
#include <cstring>

namespace {

// `line` starts with `name` followed by a colon, without regard to case.
bool isField(const std::string& line, const char* name)
{
    std::size_t length = std::strlen(name);
    if (line.size() <= length || line[length] != ':')
        return false;
    for (std::size_t i = 0; i < length; i++) {
        if (std::tolower(static_cast<unsigned char>(line[i])) != std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

} // namespace

std::size_t MessageReader::wanted() const
{
    if (ready != Result::NeedMore)
        return 0;
    if (state == State::Header)
        return 1;
    return remaining > 0 ? remaining : 1;
}

std::size_t MessageReader::push(const char* data, std::size_t size)
{
    std::size_t taken = 0;
    while (taken < size && ready == Result::NeedMore) {
        if (state == State::Header) {
            char c = data[taken++];
            header.push_back(c);
            // The block ends with an empty line: CR LF CR LF, or LF LF.
            std::size_t n = header.size();
            bool end = (n >= 4 && header.compare(n - 4, 4, "\r\n\r\n") == 0) ||
                       (n >= 2 && header.compare(n - 2, 2, "\n\n") == 0);
            if (n == 1 && (c == '\r' || c == '\n')) {
                // Line ends between messages are noise: drop them.
                header.clear();
            } else if (end) {
                headerComplete();
            } else if (n > maxHeader) {
                fail("header block longer than 8192 bytes");
                header.clear();
            }
            continue;
        }
        std::size_t chunk = size - taken < remaining ? size - taken : remaining;
        if (state == State::Body)
            messageBody.append(data + taken, chunk);
        taken += chunk;
        remaining -= chunk;
        if (remaining == 0) {
            if (state == State::Body)
                ready = Result::Message;
            state = State::Header;
        }
    }
    return taken;
}

MessageReader::Result MessageReader::next()
{
    Result result = ready;
    ready = Result::NeedMore;
    return result;
}

void MessageReader::fail(const std::string& text)
{
    errorText = text;
    ready = Result::FramingError;
}

void MessageReader::headerComplete()
{
    std::string block;
    block.swap(header);
    bool found = false;
    unsigned long long length = 0;
    std::size_t start = 0;
    while (start < block.size()) {
        std::size_t end = block.find('\n', start);
        if (end == std::string::npos)
            end = block.size();
        std::string line = block.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        if (!isField(line, "Content-Length"))
            continue;
        std::size_t i = std::strlen("Content-Length") + 1;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            i++;
        std::size_t digits = i;
        // Lengths past the limit saturate: such a body is skipped, not kept.
        const unsigned long long saturated = 1ull << 62;
        length = 0;
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
            length = length * 10 + static_cast<unsigned>(line[i++] - '0');
            if (length > saturated)
                length = saturated;
        }
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            i++;
        if (i == digits || i < line.size()) {
            fail("Content-Length is not a number");
            return;
        }
        found = true;
    }
    if (!found) {
        fail("header block without Content-Length");
        return;
    }
    messageBody.clear();
    if (length > maxBody) {
        fail("message body longer than 64 MiB");
        state = State::Skip;
        remaining = static_cast<std::size_t>(length);
        return;
    }
    remaining = static_cast<std::size_t>(length);
    if (remaining == 0) {
        ready = Result::Message;
        return;
    }
    state = State::Body;
}
