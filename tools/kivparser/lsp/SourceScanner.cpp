#include "lsp/SourceScanner.h"

#include <algorithm>
#include <cctype>

namespace {

bool isWordStart(unsigned char c)
{
    return std::isalpha(c);
}

bool isWordByte(unsigned char c)
{
    return std::isalnum(c) || c == '.' || c == '_';
}

bool isBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\\' || c == '\f' || c == '\v';
}

} // namespace

SourceScanner::SourceScanner(const std::string& text)
{
    scan(text);
}

std::string SourceScanner::lower(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Each reader takes the token or comment that starts at `start` and returns
// the offset behind it.

std::size_t SourceScanner::readLineComment(const std::string& text, std::size_t start)
{
    std::size_t i = start;
    while (i < text.size() && text[i] != '\n')
        i++;
    // The end of the line is still in it.
    commentSpans.emplace_back(start, i + 1);
    return i;
}

std::size_t SourceScanner::readBlockComment(const std::string& text, std::size_t start)
{
    // Block comments nest.
    const std::size_t n = text.size();
    int depth = 1;
    std::size_t i = start + 2;
    while (i < n && depth > 0) {
        if (text[i] == '/' && i + 1 < n && text[i + 1] == '*') {
            depth++;
            i += 2;
        } else if (text[i] == '*' && i + 1 < n && text[i + 1] == '/') {
            depth--;
            i += 2;
        } else {
            i++;
        }
    }
    commentSpans.emplace_back(start, depth > 0 ? n + 1 : i);
    if (std::find(text.begin() + static_cast<long>(start), text.begin() + static_cast<long>(i), '\n') !=
        text.begin() + static_cast<long>(i))
        longComments.emplace_back(start, i);
    return i;
}

std::size_t SourceScanner::readString(const std::string& text, std::size_t start)
{
    const char quote = text[start];
    const std::size_t n = text.size();
    std::string value;
    std::size_t i = start + 1;
    bool closed = false;
    while (i < n) {
        char d = text[i++];
        if (d == quote) {
            closed = true;
            break;
        }
        if (d == '\\' && i < n) {
            d = text[i++];
            if (d == '\n')
                continue;
        }
        value.push_back(d);
    }
    all.push_back(Token{Type::String, start, i, std::move(value), closed});
    return i;
}

std::size_t SourceScanner::readDirective(const std::string& text, std::size_t start)
{
    // The directive word, and for #ifdef and #ifndef the rest of its line.
    const std::size_t n = text.size();
    std::size_t i = start + 1;
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        i++;
    std::size_t wordStart = i;
    while (i < n && !isBlank(static_cast<unsigned char>(text[i])))
        i++;
    std::string word = lower(text.substr(wordStart, i - wordStart));
    if (word == "ifdef" || word == "ifndef") {
        while (i < n && text[i] != '\n')
            i++;
    }
    all.push_back(Token{Type::Directive, start, i, text.substr(start, i - start), true});
    return i;
}

// A word, a number, a mnemonic or a flag: `first` bytes that are part of it
// whatever they are, then every byte that `more` takes.
template <class More>
std::size_t SourceScanner::readRun(const std::string& text, std::size_t start, Type type, std::size_t first, More more)
{
    std::size_t i = start + first;
    while (i < text.size() && more(static_cast<unsigned char>(text[i])))
        i++;
    all.push_back(Token{type, start, i, text.substr(start, i - start), true});
    return i;
}

std::size_t SourceScanner::readSign(const std::string& text, std::size_t start, std::vector<std::size_t>& openBraces)
{
    const std::size_t n = text.size();
    const char c = text[start];
    std::size_t i = start + 1;
    if ((c == '&' || c == '|' || c == '=') && i < n && text[i] == c)
        i++;
    else if (c == '!' && i < n && text[i] == '=')
        i++;
    all.push_back(Token{Type::Sign, start, i, text.substr(start, i - start), true});
    if (c == '{') {
        openBraces.push_back(all.size() - 1);
    } else if (c == '}' && !openBraces.empty()) {
        std::size_t open = openBraces.back();
        openBraces.pop_back();
        nested.push_back(Block{statementStart(open), open, all.size() - 1, static_cast<int>(openBraces.size())});
    }
    return i;
}

void SourceScanner::scan(const std::string& text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    std::vector<std::size_t> openBraces;
    auto digit = [](unsigned char b) { return std::isdigit(b) != 0; };
    auto wordByte = [](unsigned char b) { return isWordByte(b); };
    auto notBlank = [](unsigned char b) { return !isBlank(b); };
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned char next = i + 1 < n ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (isBlank(c))
            i++;
        else if (c == '/' && next == '/')
            i = readLineComment(text, i);
        else if (c == '/' && next == '*')
            i = readBlockComment(text, i);
        else if (c == '"' || c == '\'')
            i = readString(text, i);
        else if (c == '#')
            i = readDirective(text, i);
        else if (c == '_')
            i = readRun(text, i, Type::Mnemonic, 1, notBlank);
        else if (isWordStart(c))
            i = readRun(text, i, Type::Word, 0, wordByte);
        else if (std::isdigit(c) || (c == '-' && std::isdigit(next)))
            i = readRun(text, i, Type::Number, 1, digit);
        else if (c == '-' && std::isalpha(next))
            i = readRun(text, i, Type::Word, 1, wordByte); // a flag: -Initial, -Shared ...
        else
            i = readSign(text, i, openBraces);
    }
    // Blocks the input left open end with it.
    while (!openBraces.empty()) {
        std::size_t open = openBraces.back();
        openBraces.pop_back();
        nested.push_back(Block{statementStart(open), open, all.size() - 1, static_cast<int>(openBraces.size())});
    }
    std::sort(nested.begin(), nested.end(), [](const Block& a, const Block& b) { return a.open < b.open; });
}

long SourceScanner::tokenAt(std::size_t offset) const
{
    auto after = std::upper_bound(all.begin(), all.end(), offset,
                                  [](std::size_t at, const Token& token) { return at < token.start; });
    if (after == all.begin())
        return -1;
    long index = static_cast<long>(after - all.begin()) - 1;
    return offset <= all[index].end ? index : -1;
}

long SourceScanner::tokenBefore(std::size_t offset) const
{
    long index = -1;
    for (std::size_t i = 0; i < all.size() && all[i].end <= offset; i++)
        index = static_cast<long>(i);
    return index;
}

std::size_t SourceScanner::statementStart(std::size_t index) const
{
    std::size_t i = index;
    while (i > 0) {
        const Token& before = all[i - 1];
        // A directive line stands between statements too.
        if ((before.type == Type::Sign && (before.text == ";" || before.text == "{" || before.text == "}")) ||
            before.type == Type::Directive)
            break;
        i--;
    }
    return i;
}

long SourceScanner::enclosingBlock(std::size_t index) const
{
    long found = -1;
    for (std::size_t b = 0; b < nested.size(); b++) {
        if (nested[b].open < index && index < nested[b].close)
            found = static_cast<long>(b); // later blocks that hold it are deeper
        if (nested[b].open > index)
            break;
    }
    return found;
}

bool SourceScanner::inCommentOrString(std::size_t offset) const
{
    for (const auto& span : commentSpans) {
        if (span.first < offset && offset < span.second)
            return true;
    }
    long index = tokenAt(offset);
    if (index >= 0 && all[index].type == Type::String)
        return offset > all[index].start && (offset < all[index].end || !all[index].closed);
    return false;
}
