#ifndef KIVPARSER_TOOL_LSP_SOURCESCANNER_H
#define KIVPARSER_TOOL_LSP_SOURCESCANNER_H

#include <cstddef>
#include <string>
#include <vector>

// The words, strings and signs of a registration file with their byte
// offsets, as far as an editor needs them: the blocks to fold and outline,
// the token under the cursor and the ones before it. It reads the text as
// the library's scanner does (nested block comments, line comments, strings
// in double or single quotes with backslash escapes, mnemonics, directive
// lines) but evaluates no directive: both branches of an #ifdef are there.
// The library's scanner is the judge of the language; this one only finds
// places in the text.
class SourceScanner {
public:
    enum class Type {
        Word,      // a keyword, a name, a function (f.menu), an accelerator's parts
        String,    // "..." or '...'
        Number,
        Mnemonic,  // _F
        Sign,      // { } ; < > : , ( ) and the others
        Directive  // #ifdef NAME and the like: the whole directive
    };

    struct Token {
        Type type;
        std::size_t start;
        std::size_t end;   // exclusive
        std::string text;  // a word as written; a string's value; a sign
        bool closed;       // a string or comment ended before the input did
    };

    // A block: the tokens from its first word to its closing brace.
    struct Block {
        std::size_t head;  // index of the first token of the statement that opens it
        std::size_t open;  // index of its "{"
        std::size_t close; // index of its "}" (the last token when the input ends first)
        int depth;         // 0 for a block at the top of the file
    };

    explicit SourceScanner(const std::string& text);

    const std::vector<Token>& tokens() const { return all; }
    const std::vector<Block>& blocks() const { return nested; }
    // Comments of several lines: start and end offsets.
    const std::vector<std::pair<std::size_t, std::size_t>>& comments() const { return longComments; }

    // The index of the token that holds byte `offset` (its end counts as in
    // it), or -1.
    long tokenAt(std::size_t offset) const;
    // The index of the last token that ends at or before `offset`, or -1.
    long tokenBefore(std::size_t offset) const;
    // The index of the first token of the statement that token `index` is
    // in: after the ";", "{", "}" or directive before it.
    std::size_t statementStart(std::size_t index) const;
    // The innermost block that holds token `index`, or -1.
    long enclosingBlock(std::size_t index) const;
    // True when `offset` is inside a comment or an unclosed string.
    bool inCommentOrString(std::size_t offset) const;

    // The word of a token without regard to case, for comparisons.
    static std::string lower(const std::string& text);

private:
    void scan(const std::string& text);
    std::size_t readLineComment(const std::string& text, std::size_t start);
    std::size_t readBlockComment(const std::string& text, std::size_t start);
    std::size_t readString(const std::string& text, std::size_t start);
    std::size_t readDirective(const std::string& text, std::size_t start);
    template <class More>
    std::size_t readRun(const std::string& text, std::size_t start, Type type, std::size_t first, More more);
    std::size_t readSign(const std::string& text, std::size_t start, std::vector<std::size_t>& openBraces);

    std::vector<Token> all;
    std::vector<Block> nested;
    std::vector<std::pair<std::size_t, std::size_t>> longComments;
    std::vector<std::pair<std::size_t, std::size_t>> commentSpans; // offsets inside: first < offset < second
};

#endif
