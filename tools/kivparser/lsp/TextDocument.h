#ifndef KIVPARSER_TOOL_LSP_TEXTDOCUMENT_H
#define KIVPARSER_TOOL_LSP_TEXTDOCUMENT_H

#include <cstddef>
#include <string>
#include <vector>

// A position as the protocol counts it: a line from 0, and a character
// offset in that line in the units the client and the server agreed on.
struct TextPosition {
    int line = 0;
    int character = 0;
};

struct TextRange {
    TextPosition start;
    TextPosition end;
};

// The text of one registration file, an editor's buffer or the file's bytes
// on disk, with the conversions between the positions of the protocol
// (UTF-16 code units by default, or bytes when the client takes UTF-8) and
// those of the library (lines from 1, columns from 1 in bytes). Lines end at
// a line feed, as the library counts them; the carriage return of a CR LF
// pair is the last byte of its line's text.
class TextDocument {
public:
    enum class Units { Utf16, Utf8 };

    TextDocument() { index(); }
    explicit TextDocument(std::string text);

    const std::string& text() const { return content; }
    int lineCount() const { return static_cast<int>(lineStarts.size()); }

    // The byte offset of a protocol position (clamped into the text).
    std::size_t offsetAt(const TextPosition& position, Units units) const;
    // The protocol position of a byte offset.
    TextPosition positionAt(std::size_t offset, Units units) const;
    // The protocol position of a place of the library: `line` from 1, byte
    // `column` from 1 (0: the first non-blank byte of the line).
    TextPosition fromSource(int line, int column, Units units) const;
    // The byte offset of a place of the library.
    std::size_t offsetOfSource(int line, int column) const;
    // The range of a whole line's text, without its blanks around it.
    TextRange lineRange(int line, Units units) const;
    // The bytes of line `line` (from 0) without its line end.
    std::string lineText(int line) const;

    // Replaces `range` by `text`; a missing range replaces everything.
    void replace(const TextRange* range, const std::string& text, Units units);

private:
    void index();
    std::size_t lineEnd(int line) const;

    std::string content;
    std::vector<std::size_t> lineStarts;
};

#endif
