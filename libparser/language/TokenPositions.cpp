#include "language/TokenPositions.h"
#include "language/Lex.h"

namespace kivparser {

namespace {

// The spans of the last tokens that carried a heap text, by that text's
// address: names reach the builders a few tokens after they were read (a
// whole menu entry, with its context expression, at most a few dozen).
const int TEXT_RING = 64;
struct TextSpan {
    const char* text;
    SourceSpan span;
};
TextSpan textRing[TEXT_RING];
int textNext = 0;

SourceSpan lastSpan;
SourceSpan previousSpan;
int lastNumber = 0;
int previousNumber = 0;

TokenPositions::Unterminated openKind = TokenPositions::OPEN_NONE;
SourceSpan openSpan;

} // namespace

int TokenPositions::nextColumn = 1;
int TokenPositions::matchLine = 0;
int TokenPositions::matchColumn = 0;

int TokenPositions::currentLine()
{
    return lexLine();
}

void TokenPositions::startInput()
{
    nextColumn = 1;
    matchLine = 0;
    matchColumn = 0;
    lastSpan = SourceSpan{0, 0, 0, 0};
    previousSpan = lastSpan;
    lastNumber = 0;
    previousNumber = 0;
    for (TextSpan& entry : textRing)
        entry.text = nullptr;
    textNext = 0;
    openKind = OPEN_NONE;
    openSpan = lastSpan;
}

void TokenPositions::delivered(int token, const char* text)
{
    previousSpan = lastSpan;
    previousNumber = lastNumber;
    lastNumber = token;
    if (token <= 0) {
        // The end of the input stands where the scanner stopped.
        int line = currentLine();
        lastSpan = SourceSpan{line, nextColumn, line, nextColumn};
        return;
    }
    lastSpan = SourceSpan{matchLine, matchColumn, currentLine(), nextColumn};
    if (text) {
        textRing[textNext] = TextSpan{text, lastSpan};
        textNext = (textNext + 1) % TEXT_RING;
    }
}

const SourceSpan& TokenPositions::last()
{
    return lastSpan;
}

const SourceSpan& TokenPositions::previous()
{
    return previousSpan;
}

int TokenPositions::previousToken()
{
    return previousNumber;
}

bool TokenPositions::spanOfText(const char* text, SourceSpan* span)
{
    if (!text)
        return false;
    // Newest first: an address that was freed and handed out again belongs
    // to the newer token.
    for (int i = 1; i <= TEXT_RING; i++) {
        const TextSpan& entry = textRing[(textNext - i + TEXT_RING) % TEXT_RING];
        if (entry.text == text) {
            *span = entry.span;
            return true;
        }
    }
    return false;
}

void TokenPositions::matchLeftOpen(Unterminated what)
{
    openKind = what;
    openSpan = SourceSpan{matchLine, matchColumn, currentLine(), nextColumn};
}

TokenPositions::Unterminated TokenPositions::leftOpen(SourceSpan* where)
{
    if (where)
        *where = openSpan;
    return openKind;
}

} // namespace kivparser
