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

void SourceScanner::scan(const std::string& text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    std::vector<std::size_t> openBraces;
    auto push = [this](Type type, std::size_t start, std::size_t end, std::string value, bool closed) {
        all.push_back(Token{type, start, end, std::move(value), closed});
    };
    auto lineOf = [&text](std::size_t from, std::size_t to) {
        return std::count(text.begin() + static_cast<long>(from), text.begin() + static_cast<long>(to), '\n');
    };
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (isBlank(c)) {
            i++;
            continue;
        }
        std::size_t start = i;
        if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                i++;
            // The end of the line is still in it.
            commentSpans.emplace_back(start, i + 1);
            continue;
        }
        if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            // Block comments nest.
            int depth = 1;
            i += 2;
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
            if (lineOf(start, i) > 0)
                longComments.emplace_back(start, i);
            continue;
        }
        if (c == '"' || c == '\'') {
            std::string value;
            i++;
            bool closed = false;
            while (i < n) {
                char d = text[i++];
                if (d == static_cast<char>(c)) {
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
            push(Type::String, start, i, value, closed);
            continue;
        }
        if (c == '#') {
            // The directive word, and for #ifdef and #ifndef the rest of its line.
            i++;
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
            push(Type::Directive, start, i, text.substr(start, i - start), true);
            continue;
        }
        if (c == '_') {
            i++;
            while (i < n && !isBlank(static_cast<unsigned char>(text[i])))
                i++;
            push(Type::Mnemonic, start, i, text.substr(start, i - start), true);
            continue;
        }
        if (isWordStart(c)) {
            while (i < n && isWordByte(static_cast<unsigned char>(text[i])))
                i++;
            push(Type::Word, start, i, text.substr(start, i - start), true);
            continue;
        }
        if (std::isdigit(c) || (c == '-' && i + 1 < n && std::isdigit(static_cast<unsigned char>(text[i + 1])))) {
            i++;
            while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
                i++;
            push(Type::Number, start, i, text.substr(start, i - start), true);
            continue;
        }
        if (c == '-' && i + 1 < n && std::isalpha(static_cast<unsigned char>(text[i + 1]))) {
            // A flag: -Initial, -Shared ...
            i++;
            while (i < n && isWordByte(static_cast<unsigned char>(text[i])))
                i++;
            push(Type::Word, start, i, text.substr(start, i - start), true);
            continue;
        }
        i++;
        if ((c == '&' || c == '|' || c == '=') && i < n && text[i] == static_cast<char>(c))
            i++;
        else if (c == '!' && i < n && text[i] == '=')
            i++;
        push(Type::Sign, start, i, text.substr(start, i - start), true);
        if (c == '{') {
            openBraces.push_back(all.size() - 1);
        } else if (c == '}' && !openBraces.empty()) {
            std::size_t open = openBraces.back();
            openBraces.pop_back();
            nested.push_back(Block{statementStart(open), open, all.size() - 1, static_cast<int>(openBraces.size())});
        }
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
