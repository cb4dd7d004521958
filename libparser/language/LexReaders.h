/* Private to the scanner: included by lex.l and LexReaders.cpp, by nothing
   else. The rest of the library reaches the scanner through Lex.h.

   The scanner is split in two. lex.l holds the token table and the rules
   that flex turns into the automaton, and the glue that needs flex's own
   variables. LexReaders.cpp holds what is not regular: the readers of
   strings, comments, mnemonics, accelerators and conditional directives,
   the input buffer that they share with flex, and the character decoding.
   This header is the interface between the two; all of it is process-wide
   state, one scan at a time. */
#ifndef KIVPARSER_LANGUAGE_LEXREADERS_H
#define KIVPARSER_LANGUAGE_LEXREADERS_H

#include <cstddef>

namespace kivparser {
namespace lex {

/* ---- Provided by the rules (lex.l) ----------------------------------- */

/* Counts `n` lines (negative: takes them back) on the parser at work, or on
   the scanner's own counter when there is none. */
void addLines(int n);

/* Ends the scan of the current input; KIVyylex reports it. `readErrno` is
   the reason of a failed read, 0 for flex's own conditions. */
[[noreturn]] void lexFailure(const char* text, int readErrno);

/* A reader takes over right after a match: the byte behind the match, which
   flex set aside, goes back in its place, and the reader gets the bytes that
   flex has buffered beyond the match, [scannerHandOver(), scannerBufferEnd()). */
char* scannerHandOver();
char* scannerBufferEnd();
/* Flex goes on at `position` in its buffer, as after a match ending there;
   null when the reader used all of flex's bytes (flex then meets the end of
   its buffer and refills through readInput). */
void scannerTakeBack(char* position);

/* ---- Provided by the readers (LexReaders.cpp) ------------------------ */

/* Flex's YY_INPUT: up to `maxSize` bytes of the file into `buffer`; 0 at the
   end. A carriage return directly before a line feed is dropped. */
int readInput(char* buffer, size_t maxSize);
/* A new input starts: the buffered bytes are dropped and the locale's
   character width is taken. startInput reads the scanner's stream (KIVyyin),
   startText the `length` bytes at `text` (held by the caller while the scan
   runs), in the same text mode. */
void startInput();
void startText(const char* text, size_t length);
/* The scan was abandoned: the buffered bytes are dropped and nothing is
   read again until startInput. */
void dropInput();

/* The readers proper, called by the rules right after the match that starts
   them. Those that make a token return its number with its value in
   KIVyylval (LEXERR when there is none). */
int readString(int quote);                          // after the quote
void skipLineComment();                             // after "//"
void skipBlockComment();                            // after "/*"
int readMnemonic();                                 // after "_"
int readAccelerator(const char* prefix, int length); // after its first word or sign
void readDirective();                               // after "#"

/* The value of a number as matched (an optional minus, then digits): what
   atoi gives on LP64 systems, without its library call (strtol's saturation
   at the range of a 64-bit long, then the conversion to int), the same on
   every platform, also where long has 32 bits. */
int decimalValue(const char* text);

/* The text that the last string, mnemonic or accelerator collected. */
const char* collectedText();

/* A heap copy of a token's text. When memory runs out it is reported, the
   parse is given up and null comes back: KIVyylex then ends the input
   instead of handing the grammar a token without its value. */
char* tokenCopy(const char* text);

} // namespace lex
} // namespace kivparser

#endif
