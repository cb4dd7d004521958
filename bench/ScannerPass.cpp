#include "ScannerPass.h"

#include "kivparser/language/KivParser.h"
#include "language/Lex.h"
#include "language/grammar.tab.h"

#include <cstdio>
#include <cstdlib>

long ScannerPass::scanFile(const char* path)
{
    FILE* stream = fopen(path, "r");
    if (!stream)
        return -1;
    // No parser at work: the scanner keeps its own line count.
    KivParser* saved = KivParser::current;
    KivParser::current = nullptr;
    lookForAccelerator = 0;
    lexNewInput(stream);
    long tokens = 0;
    for (int token; (token = KIVyylex()) > 0; ++tokens) {
        switch (token) {
        case IDENTIFIER:
            free(KIVyylval.ident);
            break;
        case FUNCTION:
            free(KIVyylval.function);
            break;
        case STRING:
            free(KIVyylval.strval);
            break;
        case MNEMONIC:
            free(KIVyylval.mnemonic);
            break;
        case ACCELERATOR:
            free(KIVyylval.accelerator);
            break;
        default:
            break;
        }
    }
    KivParser::current = saved;
    fclose(stream);
    return tokens;
}
