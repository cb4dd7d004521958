// Private: included by the scanner (lex.l, LexReaders.cpp, TokenScan.cpp) and by the language folder's reports and source map.
#ifndef KIVPARSER_LANGUAGE_TOKENPOSITIONS_H
#define KIVPARSER_LANGUAGE_TOKENPOSITIONS_H

// Where the scanner's tokens are: lines and columns, counted in one place for
// the rules (lex.l) and the hand-written readers (LexReaders.cpp). Private to
// the library; all of it is process-wide state of the one scan at work.
//
// Columns are 1-based and count bytes: a tab is one byte, a multibyte
// character counts each of its bytes, and the carriage return of a CR LF pair
// never reaches the scanner (the input drops it), so it counts nothing. A
// position past the last byte of a line is that line's length plus one.

namespace kivparser {

// A stretch of a file: from (line, column) up to (endLine, endColumn), the end
// exclusive. All 0 when unknown.
struct SourceSpan {
    int line;
    int column;
    int endLine;
    int endColumn;
};

class TokenPositions final {
public:
    // The column of the next byte the scanner reads. The rules add the length
    // of each match, the readers each byte they take; a line feed sets it to 1.
    static int nextColumn;

    // A new input starts at line 1, column 1; nothing is known of it yet.
    static void startInput();
    // A match of the rules starts at the current position and is `length`
    // bytes long (on one line).
    static void match(int length)
    {
        matchLine = currentLine();
        matchColumn = nextColumn;
        nextColumn += length;
    }
    // The rule kept only the first `length` bytes of its match (yyless).
    static void keepOfMatch(int length) { nextColumn = matchColumn + length; }
    // The match was a line feed and `blanks` bytes after it.
    static void newLineMatched(int blanks) { nextColumn = blanks + 1; }

    // The scanner delivers `token`, which started with the last match and
    // ends at the current position; `text` is its heap text, if it has one.
    static void delivered(int token, const char* text);
    // The last token delivered and the one before it, and their numbers.
    static const SourceSpan& last();
    static const SourceSpan& previous();
    static int previousToken();
    // The span of the token whose heap text is `text` (the very pointer the
    // scanner handed out), among the last tokens delivered: a builder finds
    // where a name it was given stands. False when it is no longer known.
    static bool spanOfText(const char* text, SourceSpan* span);

    // What the scanner left open when the input ended.
    enum Unterminated { OPEN_NONE, OPEN_STRING, OPEN_COMMENT };
    // The match at hand (a quote, "/*") was still open at the end of the input.
    static void matchLeftOpen(Unterminated what);
    static Unterminated leftOpen(SourceSpan* where);

private:
    static int currentLine();
    static int matchLine;
    static int matchColumn;
};

} // namespace kivparser

#endif
