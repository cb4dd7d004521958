/*
 * The hand-written readers of the scanner (see LexReaders.h): what flex's
 * automaton cannot match, because its rules are not regular (escapes,
 * nesting, the accelerator's end, the non-nesting directives), and the input
 * buffer that they share with flex.
 *
 * The readers take their bytes straight from the buffers (see "The readers'
 * cursor") and their characters through getC, which keeps the line count and
 * multibyte characters right in one place; every byte they take or pass over
 * advances the column (TokenPositions), in nextByte, ungetByte, getC and
 * passTo.
 *
 * All of it is process-wide state: one scan at a time.
 */

#include "language/LexReaders.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "language/Lex.h"
#include "language/ParseDamage.h"
#include "language/TokenPositions.h"
#include "language/grammar.tab.h"
#include "platform/KzPlatform.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>

using namespace kivparser;
using namespace kivparser::lex;

namespace {

/* ---- Input ------------------------------------------------------------ */

/* The file's bytes come through one block buffer, whether flex or a reader
   asks for them, so that the two always agree on what comes next. A
   carriage return directly before a line feed is dropped there, a block at
   a time; one that ends a read is held back until the next read shows what
   follows it. Where the C runtime reads files in text mode it has dropped
   those already, and dropping again would take the ordinary carriage return
   of CR CR LF too: then only a text in memory is treated here. The room before the block takes the bytes a reader pushes
   back just after a refill (at most a multibyte character and two more). */
const size_t BLOCK_SIZE = 8192;
const size_t PUSHBACK_ROOM = 64;
char block[PUSHBACK_ROOM + BLOCK_SIZE];
char* blockStart = block + PUSHBACK_ROOM;
char* blockEnd = block + PUSHBACK_ROOM;
bool heldReturn = false;
/* Once a read has seen the end, nothing reads again: a terminal on standard
   input would wait for a second end. */
bool fileEnded = false;

/* Drops every carriage return directly followed by a line feed from the
   `length` bytes of `text`; the new length. */
size_t dropReturnsBeforeFeeds(char* text, size_t length)
{
    char* end = text + length;
    char* in = (char*)memchr(text, '\r', length);
    if (!in)
        return length;
    char* out = in;
    while (in < end) {
        /* `in` is at a carriage return. */
        if (in + 1 < end && in[1] == '\n')
            in++;
        else
            *out++ = *in++;
        char* next = (char*)memchr(in, '\r', (size_t)(end - in));
        if (!next)
            next = end;
        memmove(out, in, (size_t)(next - in));
        out += next - in;
        in = next;
    }
    return (size_t)(out - text);
}

/* Text held in memory instead of a file (startText): read in the same
   pieces and the same text mode as a file. */
const char* memoryText = nullptr;
size_t memoryLeft = 0;

/* One read of the input, as _KZreadFile does it: the count, 0 at the end,
   -1 with errno. */
long readSome(char* into, size_t size)
{
    if (!memoryText)
        return _KZreadFile(KIVyyin, into, size);
    size_t n = memoryLeft < size ? memoryLeft : size;
    memcpy(into, memoryText, n);
    memoryText += n;
    memoryLeft -= n;
    return (long)n;
}

/* Refills the block, which must be used up; false at the end of the file. */
bool fillBlock()
{
    char* text = block + PUSHBACK_ROOM;
    size_t have = 0;
    if (heldReturn) {
        text[have++] = '\r';
        heldReturn = false;
    }
    bool dropReturns = memoryText || !_KZtextModeReads;
    while (!fileEnded) {
        long n = readSome(text + have, BLOCK_SIZE - have);
        if (n < 0)
            lexFailure("read() in flex scanner failed", errno);
        if (n == 0) {
            fileEnded = true;
            break;
        }
        if (!dropReturns) {
            have += (size_t)n;
            break;
        }
        have = dropReturnsBeforeFeeds(text, have + (size_t)n);
        if (text[have - 1] != '\r')
            break;
        if (have > 1) {
            heldReturn = true;
            have--;
            break;
        }
        /* Nothing but that carriage return: read on behind it. */
    }
    blockStart = text;
    blockEnd = text + have;
    return have > 0;
}

/* ---- The readers' cursor ---------------------------------------------- */

/* A reader takes its bytes straight from what flex has buffered beyond the
   current match, then from the block buffer, and hands flex back the
   position where it stopped. Through flex's own input() every byte read
   would stay part of the current match: flex moves the match to the front
   of its buffer at every refill and grows the buffer to hold it, so a long
   comment would cost time with the square of its length and memory with
   its length. */
char* cursor;
char* limit;
bool inFlexBuffer;

/* Called by the readers that the rules hand over to, right after the
   match. */
void beginReading()
{
    cursor = scannerHandOver();
    limit = scannerBufferEnd();
    inFlexBuffer = true;
}

/* Flex goes on where the reader stopped, as after a match ending there.
   When the reader went on into the block buffer, all of flex's bytes are
   used: flex meets the end of its buffer and refills from the block. */
void endReading()
{
    if (inFlexBuffer) {
        scannerTakeBack(cursor);
    } else {
        blockStart = cursor;
        scannerTakeBack(nullptr);
    }
}

struct Reading {
    Reading() { beginReading(); }
    ~Reading() { endReading(); }
};

/* The next region of bytes once the one in hand is used: flex's buffer
   gives way to the block buffer, which is refilled; false at the end. */
bool nextRegion()
{
    if (inFlexBuffer) {
        inFlexBuffer = false;
        cursor = blockStart;
        limit = blockEnd;
        if (cursor < limit)
            return true;
    }
    blockStart = blockEnd;
    bool more = fillBlock();
    cursor = blockStart;
    limit = blockEnd;
    return more;
}

/* End marker of getC. */
const int END_OF_INPUT = 0xFFFF;

/* One raw byte, or END_OF_INPUT. */
inline int nextByte()
{
    if (cursor < limit || nextRegion()) {
        TokenPositions::nextColumn++;
        return (unsigned char)*cursor++;
    }
    return END_OF_INPUT;
}

/* Pushes back the byte just read. Written anew rather than only stepped
   over: after a refill it goes into the room before the block. */
void ungetByte(int byte)
{
    if (!inFlexBuffer && cursor == block)
        return; /* more pushed back than PUSHBACK_ROOM holds: never done */
    *--cursor = (char)byte;
    TokenPositions::nextColumn--;
}

/* Byte classes for the readers that pass over runs of ordinary bytes
   without looking at each as a character. In a multibyte locale a byte
   above 127 (class BYTE_HIGH) may start a character whose later bytes look
   like ASCII, so it always goes through getC there; bytes below 128 are
   characters of their own in every locale. */
enum ByteClass : unsigned char {
    BYTE_DOUBLE_QUOTE = 1,
    BYTE_SINGLE_QUOTE = 2,
    BYTE_BACKSLASH = 4,
    BYTE_NEWLINE = 8,
    BYTE_SLASH = 16,
    BYTE_STAR = 32,
    BYTE_HASH = 64,
    BYTE_HIGH = 128
};

struct ByteClasses {
    unsigned char of[256];
    constexpr ByteClasses() : of()
    {
        of[(unsigned char)'"'] = BYTE_DOUBLE_QUOTE;
        of[(unsigned char)'\''] = BYTE_SINGLE_QUOTE;
        of[(unsigned char)'\\'] = BYTE_BACKSLASH;
        of[(unsigned char)'\n'] = BYTE_NEWLINE;
        of[(unsigned char)'/'] = BYTE_SLASH;
        of[(unsigned char)'*'] = BYTE_STAR;
        of[(unsigned char)'#'] = BYTE_HASH;
        for (int c = 0x80; c < 0x100; c++)
            of[c] = BYTE_HIGH;
    }
};
constexpr ByteClasses byteClasses;

/* The locale's longest character, taken once per input: MB_CUR_MAX is a
   library call, and the readers would ask it for every character. */
int mbMax = 1;
/* BYTE_HIGH in a multibyte locale, else 0: the classes that stop a run. */
unsigned highBytes = 0;

/* The end of the run of bytes in hand from the cursor that are in none of
   the classes `stops`. */
inline char* plainRun(unsigned stops)
{
    char* p = cursor;
    while (p < limit && !(byteClasses.of[(unsigned char)*p] & stops))
        p++;
    return p;
}

/* The cursor passes over the bytes up to `to`, none of them a line feed. */
inline void passTo(char* to)
{
    TokenPositions::nextColumn += (int)(to - cursor);
    cursor = to;
}

/* The cursor passes over the run of bytes in none of the classes `stops`,
   line feeds among them: lines and columns are counted. */
inline void passRunCountingLines(unsigned stops)
{
    char* p = cursor;
    char* lineStart = nullptr;
    int lines = 0;
    for (; p < limit; p++) {
        unsigned char c = (unsigned char)*p;
        if (byteClasses.of[c] & stops)
            break;
        if (c == '\n') {
            lines++;
            lineStart = p + 1;
        }
    }
    addLines(lines);
    if (lineStart) {
        TokenPositions::nextColumn = 1;
        cursor = lineStart;
    }
    passTo(p);
}

/* ---- Characters ------------------------------------------------------- */

/* Set when getC met a byte sequence that does not decode. */
bool undecodable = false;

/* The rest of a multibyte character whose first byte is `first`, decoded
   byte by byte so that nothing after it is read. A sequence that does not
   decode is the character 0: only its first byte is consumed, so that what
   follows is not lost (an incomplete character at the end of the input is
   consumed whole). */
int decodeFrom(int first)
{
    char bytes[MB_LEN_MAX];
    int count = 0;
    bytes[count++] = (char)first;
    mbstate_t state;
    memset(&state, 0, sizeof state);
    wchar_t wc = 0;
    size_t result = mbrtowc(&wc, bytes, 1, &state);
    while (result == (size_t)-2 && count < mbMax) {
        int next = nextByte();
        if (next == END_OF_INPUT) {
            undecodable = true;
            return 0;
        }
        bytes[count++] = (char)next;
        result = mbrtowc(&wc, bytes + count - 1, 1, &state);
    }
    if (result == (size_t)-1 || result == (size_t)-2) {
        for (int i = count - 1; i >= 1; i--)
            ungetByte(bytes[i]);
        undecodable = true;
        return 0;
    }
    return (int)wc;
}

/* One character for the readers: a byte in a single-byte locale, else one
   multibyte character; END_OF_INPUT at the end. */
int getC()
{
    int ch = nextByte();
    if (ch == END_OF_INPUT)
        return END_OF_INPUT;
    if (ch >= 0x80 && mbMax > 1)
        ch = decodeFrom(ch);
    if (ch == '\n') {
        addLines(1);
        TokenPositions::nextColumn = 1;
    }
    return ch;
}

void ungetC(int ch)
{
    if (ch == END_OF_INPUT)
        return;
    if (ch == '\n')
        addLines(-1);
    if (mbMax == 1 || ch < 0x80) {
        ungetByte(ch);
        return;
    }
    char bytes[MB_LEN_MAX];
    wctomb(nullptr, 0);
    int count = wctomb(bytes, (wchar_t)ch);
    if (count <= 0) {
        bytes[0] = (char)ch;
        count = 1;
    }
    for (int i = count - 1; i >= 0; i--)
        ungetByte(bytes[i]);
}

bool isWhite(int ch)
{
    if (ch == END_OF_INPUT)
        return false;
    if (mbMax == 1)
        return isspace(ch) != 0;
    return iswspace((wint_t)ch) != 0;
}

/* ---- Collected texts -------------------------------------------------- */

/* Strings, mnemonics and accelerators are collected here; what does not fit
   is read and dropped, so a runaway string costs no memory. */
const size_t STRING_BUFFER_SIZE = 8192;
char collected[STRING_BUFFER_SIZE];
size_t collectedLength;

/* A character is stored while there is room for the longest character of
   the locale and the terminating zero; later ones are dropped. */
void store(int ch)
{
    size_t room = STRING_BUFFER_SIZE - 1 - collectedLength;
    if (room < (size_t)mbMax)
        return;
    if (mbMax == 1 || ch < 0x80) {
        collected[collectedLength++] = (char)ch;
        return;
    }
    wctomb(nullptr, 0);
    int count = wctomb(collected + collectedLength, (wchar_t)ch);
    if (count <= 0)
        collected[collectedLength++] = (char)ch;
    else
        collectedLength += (size_t)count;
}

/* Stores the bytes [from, to), each a character of its own, under the same
   room rule. */
void storeRun(const char* from, const char* to)
{
    size_t fits = collectedLength + (size_t)mbMax < STRING_BUFFER_SIZE ? STRING_BUFFER_SIZE - (size_t)mbMax - collectedLength : 0;
    size_t n = (size_t)(to - from);
    if (n > fits)
        n = fits;
    memcpy(collected + collectedLength, from, n);
    collectedLength += n;
}

void startString()
{
    collectedLength = 0;
}

/* A heap copy of the collected text, up to its first zero byte; null when
   there is no memory (see tokenCopy). */
char* copyString()
{
    collected[collectedLength] = '\0';
    return tokenCopy(collected);
}

/* ---- Readers ---------------------------------------------------------- */

void collectString(int quote)
{
    startString();
    unsigned stops = (quote == '"' ? BYTE_DOUBLE_QUOTE : BYTE_SINGLE_QUOTE) | BYTE_BACKSLASH | BYTE_NEWLINE | highBytes;
    for (;;) {
        char* end = plainRun(stops);
        storeRun(cursor, end);
        passTo(end);
        undecodable = false;
        int ch = getC();
        if (ch == END_OF_INPUT) {
            TokenPositions::matchLeftOpen(TokenPositions::OPEN_STRING);
            break;
        }
        if (ch == quote)
            break;
        if (ch == '\\') {
            /* No named escapes: the backslash makes the next character
               literal, and a backslash-newline disappears. */
            ch = getC();
            if (ch == END_OF_INPUT) {
                TokenPositions::matchLeftOpen(TokenPositions::OPEN_STRING);
                break;
            }
            if (ch == '\n')
                continue;
        }
        size_t before = collectedLength;
        store(ch);
        /* A byte that does not decode is stored as a zero, which ends the
           value there, as ever: the warning says where the rest went. */
        if (undecodable && collectedLength > before && !memchr(collected, '\0', before))
            warning(parserMsg(MSG_STRING_CUT), collected);
    }
}


void passLineComment()
{
    for (;;) {
        if (highBytes) {
            passTo(plainRun(BYTE_NEWLINE | BYTE_HIGH));
        } else {
            char* newline = (char*)memchr(cursor, '\n', (size_t)(limit - cursor));
            passTo(newline ? newline : limit);
        }
        int ch = getC();
        if (ch == END_OF_INPUT || ch == '\n')
            return;
    }
}


/* False when the input ended inside the comment. */
bool passBlockComment()
{
    int depth = 1;
    int previous = 0;
    unsigned stops = BYTE_SLASH | BYTE_STAR | highBytes;
    while (depth > 0) {
        char* start = cursor;
        passRunCountingLines(stops);
        if (cursor != start) {
            /* None of them opens or closes anything. */
            previous = 0;
        }
        int ch = getC();
        if (ch == END_OF_INPUT)
            return false;
        if (previous == '/' && ch == '*') {
            depth++;
            ch = 0; /* the star opens; it cannot also close */
        } else if (previous == '*' && ch == '/') {
            depth--;
            ch = 0;
        }
        previous = ch;
    }
    return true;
}


/* ---- Conditional directives ------------------------------------------- */

/* There is no stack of open conditionals: #else skips when a first branch
   is being read (skipElse), #endif only clears that. */

struct defTabEntry {
    const char* id;
    int isDefined;
};

defTabEntry defTab[] = {
    {"WINNT", 1},
    {"NT", 1},
    {"REMOTE_CONSOLE", 1},
    {"TPX_EXTENDED_TOPOLOGY", 0},
    {"ET_IPV6_ENABLED", 0},
    {"ET_HSRP_ENABLED", 0},
};
const int numDefTabEntries = (int)(sizeof defTab / sizeof defTab[0]);
bool defTabFilled = false;

enum DirectiveResult { DIR_NEUTRAL, DIR_ENDIF, DIR_ELSE, DIR_SKIP };

const size_t DIRECTIVE_BUFFER_SIZE = 512;

int defIdx(const char* id)
{
    for (int i = 0; i < numDefTabEntries; i++)
        if (strcmp(defTab[i].id, id) == 0)
            return i;
    return -1;
}

/* The installation is asked once per process. */
void fillDefTab()
{
    if (defTabFilled)
        return;
    defTabFilled = true;
    if (KZisOnKZServer())
        defTab[defIdx("REMOTE_CONSOLE")].isDefined = 0;
    defTab[defIdx("TPX_EXTENDED_TOPOLOGY")].isDefined = _KZisExtendedTopologyEnabled();
    defTab[defIdx("ET_IPV6_ENABLED")].isDefined = _KZisIPv6Enabled();
    defTab[defIdx("ET_HSRP_ENABLED")].isDefined = _KZisHSRPEnabled();
}

/* Appends a character to a 512-byte buffer; what does not fit is dropped. */
void appendTo(char* buffer, size_t& length, int ch)
{
    char bytes[MB_LEN_MAX];
    int count = 1;
    bytes[0] = (char)ch;
    if (mbMax > 1) {
        wctomb(nullptr, 0);
        count = wctomb(bytes, (wchar_t)ch);
        if (count <= 0) {
            bytes[0] = (char)ch;
            count = 1;
        }
    }
    if (length + (size_t)count >= DIRECTIVE_BUFFER_SIZE)
        return;
    memcpy(buffer + length, bytes, (size_t)count);
    length += (size_t)count;
    buffer[length] = '\0';
}

/* Reads one directive after its "#". DIR_SKIP asks the caller to skip text
   up to the directive that ends the stretch. */
DirectiveResult evaluateDirective()
{
    fillDefTab();
    int ch = getC();
    while (isWhite(ch))
        ch = getC();

    char word[DIRECTIVE_BUFFER_SIZE];
    size_t length = 0;
    word[0] = '\0';
    while (ch != END_OF_INPUT && !isWhite(ch)) {
        appendTo(word, length, ch);
        ch = getC();
    }
    /* The white space that ends the word is consumed. */

    bool ifdef = strcmp(word, "ifdef") == 0;
    bool ifndef = strcmp(word, "ifndef") == 0;
    if (ifdef || ifndef) {
        char symbol[DIRECTIVE_BUFFER_SIZE];
        size_t symbolLength = 0;
        symbol[0] = '\0';
        /* The symbol is the rest of the line after the white space that
           ended the word (which is the next line when that was a newline). */
        for (;;) {
            ch = getC();
            if (ch == '\n' || ch == END_OF_INPUT)
                break;
            appendTo(symbol, symbolLength, ch);
        }
        _KZstrip_whitespace(symbol, stripBoth);
        int index = defIdx(symbol);
        bool defined = index >= 0 && defTab[index].isDefined;
        if (defined == ifdef) {
            skipElse = 1;
            return DIR_NEUTRAL;
        }
        return DIR_SKIP;
    }
    if (strcmp(word, "else") == 0)
        return skipElse == 1 ? DIR_SKIP : DIR_ELSE;
    if (strcmp(word, "endif") == 0) {
        skipElse = 0;
        return DIR_ENDIF;
    }
    /* Any other word: the rest of the line is ordinary text. The white
       space that ended the word counts as read. */
    return DIR_NEUTRAL;
}

/* Skips up to and including the directive that ends a skipped stretch.
   Strings are not recognised here; comments are. A directive met inside
   the stretch is evaluated: one that would skip again simply lets this skip
   go on (the same outcome as skipping anew, without nesting calls). */
DirectiveResult skipToDirective()
{
    unsigned stops = BYTE_SLASH | BYTE_HASH | highBytes;
    for (;;) {
        passRunCountingLines(stops);
        int ch = getC();
        if (ch == END_OF_INPUT)
            return DIR_NEUTRAL;
        if (ch == '/') {
            int next = getC();
            if (next == '/') {
                passLineComment();
                continue;
            }
            if (next == '*') {
                passBlockComment();
                continue;
            }
            ungetC(next);
            continue;
        }
        if (ch == '#') {
            DirectiveResult result = evaluateDirective();
            if (result == DIR_ENDIF || result == DIR_ELSE)
                return result;
        }
    }
}

} // namespace

namespace kivparser {
namespace lex {

int readInput(char* buffer, size_t maxSize)
{
    if (blockStart == blockEnd && !fillBlock())
        return 0;
    size_t n = (size_t)(blockEnd - blockStart);
    if (n > maxSize)
        n = maxSize;
    memcpy(buffer, blockStart, n);
    blockStart += n;
    return (int)n;
}

void startInput()
{
    memoryText = nullptr;
    memoryLeft = 0;
    blockStart = blockEnd = block + PUSHBACK_ROOM;
    heldReturn = false;
    fileEnded = false;
    mbMax = (int)MB_CUR_MAX;
    highBytes = mbMax > 1 ? BYTE_HIGH : 0;
}

void startText(const char* text, size_t length)
{
    startInput();
    /* A text of no bytes is read as an empty file. */
    memoryText = text ? text : "";
    memoryLeft = text ? length : 0;
}

void dropInput()
{
    memoryText = nullptr;
    memoryLeft = 0;
    blockStart = blockEnd = block + PUSHBACK_ROOM;
    heldReturn = false;
    fileEnded = true;
}

int readString(int quote)
{
    {
        Reading reading;
        collectString(quote);
    }
    KIVyylval.strval = copyString();
    return STRING;
}

void skipLineComment()
{
    Reading reading;
    passLineComment();
}

/* Block comments nest; an unterminated one ends with the input. */
void skipBlockComment()
{
    Reading reading;
    if (!passBlockComment())
        TokenPositions::matchLeftOpen(TokenPositions::OPEN_COMMENT);
}

int readMnemonic()
{
    Reading reading;
    startString();
    bool any = false;
    for (;;) {
        int ch = getC();
        if (ch == END_OF_INPUT || isWhite(ch))
            break;
        any = true;
        store(ch);
    }
    if (!any)
        return LEXERR;
    KIVyylval.mnemonic = copyString();
    return MNEMONIC;
}

/* An accelerator runs up to white space followed by "!" (a shell command
   follows), white space followed by "f." (a function follows) or the end of
   its line; the trailing white space is not part of it. */
int readAccelerator(const char* prefix, int length)
{
    startString();
    for (int i = 0; i < length && collectedLength + 1 < STRING_BUFFER_SIZE; i++)
        collected[collectedLength++] = prefix[i];
    Reading reading;
    bool inWhite = false;
    bool fSeen = false;
    int theF = 'f';
    size_t whiteStart = collectedLength;
    for (;;) {
        int ch = getC();
        if (ch == END_OF_INPUT)
            break;
        if (ch == '!' && inWhite) {
            ungetC(ch);
            break;
        }
        if (ch == '.' && fSeen) {
            ungetC('.');
            ungetC(theF);
            break;
        }
        if ((ch == 'f' || ch == 'F') && inWhite) {
            fSeen = true;
            theF = ch;
            inWhite = false;
        } else {
            fSeen = false;
            if (isWhite(ch)) {
                if (!inWhite) {
                    inWhite = true;
                    whiteStart = collectedLength;
                }
            } else {
                inWhite = false;
            }
        }
        store(ch);
        if (ch == '\n')
            break;
    }
    if ((inWhite || fSeen) && whiteStart < collectedLength)
        collectedLength = whiteStart;
    KIVyylval.accelerator = copyString();
    return ACCELERATOR;
}

void readDirective()
{
    Reading reading;
    DirectiveResult result = evaluateDirective();
    if (result == DIR_SKIP)
        skipToDirective();
}

int decimalValue(const char* text)
{
    bool negative = *text == '-';
    if (negative)
        text++;
    unsigned long long limit = negative ? (unsigned long long)LLONG_MAX + 1 : (unsigned long long)LLONG_MAX;
    unsigned long long magnitude = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        unsigned digit = (unsigned)(*text - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    long long value = negative ? (magnitude > (unsigned long long)LLONG_MAX ? LLONG_MIN : -(long long)magnitude)
                               : (long long)magnitude;
    return (int)value;
}

char* tokenCopy(const char* text)
{
    char* copy = _strdup(text);
    if (!copy)
        nomemory();
    return copy;
}

const char* collectedText()
{
    return collected;
}

} // namespace lex
} // namespace kivparser
