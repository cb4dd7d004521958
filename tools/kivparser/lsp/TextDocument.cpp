#include "lsp/TextDocument.h"

#include <algorithm>

namespace {

// The length of the UTF-8 sequence that starts with `byte`: 1 for ASCII and
// for bytes that start none (each such byte counts as one unit).
std::size_t sequenceLength(const std::string& text, std::size_t at)
{
    unsigned char byte = static_cast<unsigned char>(text[at]);
    std::size_t length = byte >= 0xF0 && byte < 0xF8 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    if (byte >= 0xF8)
        length = 1;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; i++) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

} // namespace

TextDocument::TextDocument(std::string text) : content(std::move(text))
{
    index();
}

void TextDocument::index()
{
    lineStarts.clear();
    lineStarts.push_back(0);
    for (std::size_t i = 0; i < content.size(); i++) {
        if (content[i] == '\n')
            lineStarts.push_back(i + 1);
    }
}

std::size_t TextDocument::lineEnd(int line) const
{
    if (line + 1 < lineCount())
        return lineStarts[line + 1] - 1;
    return content.size();
}

std::string TextDocument::lineText(int line) const
{
    if (line < 0 || line >= lineCount())
        return "";
    std::size_t start = lineStarts[line];
    std::size_t end = lineEnd(line);
    if (end > start && content[end - 1] == '\r')
        end--;
    return content.substr(start, end - start);
}

std::size_t TextDocument::offsetAt(const TextPosition& position, Units units) const
{
    if (position.line < 0)
        return 0;
    if (position.line >= lineCount())
        return content.size();
    std::size_t at = lineStarts[position.line];
    std::size_t end = lineEnd(position.line);
    if (units == Units::Utf8)
        return std::min(end, at + static_cast<std::size_t>(std::max(position.character, 0)));
    int units16 = 0;
    while (at < end && units16 < position.character) {
        std::size_t length = sequenceLength(content, at);
        units16 += length == 4 ? 2 : 1;
        at += length;
    }
    return std::min(at, end);
}

TextPosition TextDocument::positionAt(std::size_t offset, Units units) const
{
    offset = std::min(offset, content.size());
    auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
    int line = static_cast<int>(after - lineStarts.begin()) - 1;
    std::size_t at = lineStarts[line];
    TextPosition position;
    position.line = line;
    if (units == Units::Utf8) {
        position.character = static_cast<int>(offset - at);
        return position;
    }
    int units16 = 0;
    while (at < offset) {
        std::size_t length = sequenceLength(content, at);
        units16 += length == 4 ? 2 : 1;
        at += length;
    }
    position.character = units16;
    return position;
}

std::size_t TextDocument::offsetOfSource(int line, int column) const
{
    if (line < 1)
        return 0;
    if (line > lineCount())
        return content.size();
    std::size_t start = lineStarts[line - 1];
    std::size_t end = lineEnd(line - 1);
    if (column <= 0) {
        while (start < end && (content[start] == ' ' || content[start] == '\t'))
            start++;
        return start;
    }
    return std::min(end, start + static_cast<std::size_t>(column - 1));
}

TextPosition TextDocument::fromSource(int line, int column, Units units) const
{
    return positionAt(offsetOfSource(line, column), units);
}

TextRange TextDocument::lineRange(int line, Units units) const
{
    TextRange range;
    if (line < 1 || line > lineCount()) {
        range.start = range.end = positionAt(content.size(), units);
        return range;
    }
    std::size_t start = offsetOfSource(line, 0);
    std::size_t end = lineEnd(line - 1);
    while (end > start && (content[end - 1] == ' ' || content[end - 1] == '\t' || content[end - 1] == '\r'))
        end--;
    range.start = positionAt(start, units);
    range.end = positionAt(end, units);
    return range;
}

void TextDocument::replace(const TextRange* range, const std::string& text, Units units)
{
    if (!range) {
        content = text;
    } else {
        std::size_t start = offsetAt(range->start, units);
        std::size_t end = std::max(start, offsetAt(range->end, units));
        content.replace(start, end - start, text);
    }
    index();
}
