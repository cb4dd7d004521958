#include "kivparser/language/ParserErr.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "language/ParserErrInternal.h"
#include "platform/KzPlatform.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kivparser {

namespace {

const char* const SEPARATOR = "\n------------------------------\n";

void report(PESeverity severity, const char* fmt, va_list ap)
{
    KivParser* parser = KivParser::current;
    if (parser && parser->verbose)
        VParserErr(severity, parser->filename, parser->lineno, fmt, ap);
}

} // namespace

void VParserErr(PESeverity severity, const char* filename, int lineno, const char* msgFmt, va_list ap)
{
    va_list copy;
    va_copy(copy, ap);
    int length = vsnprintf(nullptr, 0, msgFmt ? msgFmt : "", copy);
    va_end(copy);
    if (length < 0)
        length = 0;

    std::string text;
    char* message = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
    if (!message) {
        nomemory();
        return;
    }
    vsnprintf(message, static_cast<size_t>(length) + 1, msgFmt ? msgFmt : "", ap);
    try {
        // The header is literal text: a percent sign in a file name is printed
        // as it stands.
        text += SEPARATOR;
        if (filename) {
            text += parserMsg(MSG_FILE);
            text += filename;
            text += "\n";
            if (lineno != 0) {
                text += parserMsg(MSG_LINE);
                text += std::to_string(lineno);
                text += "\n";
            }
        }
        if (severity == PE_WARNING) {
            text += parserMsg(MSG_WARNING);
            text += ": ";
        } else if (severity == PE_ERROR) {
            text += parserMsg(MSG_ERROR);
            text += ": ";
        }
        text += message;
        text += SEPARATOR;
    } catch (...) {
        free(message);
        nomemory();
        return;
    }
    free(message);
    printf_new("%s", text.c_str());
}

void nomemory()
{
    KivParser* parser = KivParser::current;
    if (!parser)
        return;
    if (parser->verbose)
        printf_new("%s", parserMsg(MSG_OUT_OF_MEMORY));
    parser->errors++;
}

void warning(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    report(PE_WARNING, fmt, ap);
    va_end(ap);
    if (KivParser::current)
        KivParser::current->warnings++;
}

void error(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    report(PE_ERROR, fmt, ap);
    va_end(ap);
    if (KivParser::current)
        KivParser::current->errors++;
}

void internal(int srccodeline)
{
    error(parserMsg(MSG_INTERNAL), srccodeline);
}

void reportCantOpen(const char* filename, int errnoValue)
{
    (void)errnoValue; // the framed report names the file only
    error(parserMsg(MSG_CANT_OPEN), filename);
}

void reportScannerFailure(const char* text, int readErrno)
{
    fprintf_new(stderr, "%s\n", text);
    KivParser* parser = KivParser::current;
    if (!parser)
        return;
    if (readErrno != 0 && parser->filename)
        reportCantOpen(parser->filename, readErrno);
    else
        parser->errors++;
}

void KIVyyerror(const char* s)
{
    error("%s", s);
}

} // namespace kivparser
