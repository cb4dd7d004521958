#include "language/TokenScan.h"
#include "kivparser/language/KivParser.h"
#include "language/Lex.h"
#include "language/TokenPositions.h"
#include "language/grammar.tab.h"
#include "platform/KzPlatform.h"

#include <cstdio>
#include <cstdlib>

namespace kivparser {

std::vector<ScannedToken> TokenScan::scanFile(const char* path, bool afterLabels)
{
    std::vector<ScannedToken> tokens;
    int reason = 0;
    FILE* stream = _KZopenRegularFile(path, &reason);
    if (!stream)
        return tokens;

    // Without a parser at work the scanner keeps its own line count.
    KivParser* saved = KivParser::current;
    KivParser::current = nullptr;
    lexNewInput(stream);
    int previous = SEMICOLON;
    for (;;) {
        int token = KIVyylex();
        if (token <= 0)
            break;
        const SourceSpan& span = TokenPositions::last();
        ScannedToken scanned{token,       false,       std::string(), 0, lexLine(), span.line, span.column,
                             span.endLine, span.endColumn};
        char* text = nullptr;
        switch (token) {
        case INTVAL:
            scanned.value = KIVyylval.intval;
            break;
        case IDENTIFIER:
            text = KIVyylval.ident;
            break;
        case FUNCTION:
            text = KIVyylval.function;
            break;
        case STRING:
            text = KIVyylval.strval;
            break;
        case MNEMONIC:
            text = KIVyylval.mnemonic;
            break;
        case ACCELERATOR:
            text = KIVyylval.accelerator;
            break;
        default:
            break;
        }
        if (text) {
            scanned.hasText = true;
            scanned.text = text;
            free(text);
        }
        tokens.push_back(scanned);
        if (afterLabels && token == STRING && previous == SEMICOLON)
            lookForAccelerator++;
        previous = token;
    }
    KivParser::current = saved;
    fclose_new(stream);
    return tokens;
}

} // namespace kivparser
