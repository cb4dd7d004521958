#include "language/GrammarActions.h"
#include "application/ApplicationBuilder.h"
#include "language/grammar.tables.h"
#include "symbols/SymbolBuilder.h"
#include "language/BuilderContext.h"
#include "kivparser/language/KivParser.h"
#include "language/Lex.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace kivparser {

namespace {

// The list head the value rules add to, or null after the internal-error
// report.
String* valueListHead(String* KivParser::*field, int check)
{
    KivParser* parser = KivParser::current;
    String* head = parser ? parser->*field : nullptr;
    if (!head)
        internal(parser ? check : GrammarActions::CHECK_PARSER);
    return head;
}

void release(char* text)
{
    free(text);
}

void release(int) {}

// Inserts the value directly after the head of the list in `field`; the
// value is released when there is no list.
template <class Value>
int insertAfterHead(String* KivParser::*field, int check, Value value)
{
    String* head = valueListHead(field, check);
    if (!head) {
        release(value);
        return 1;
    }
    head->addNewData(value);
    return 0;
}

int startList(String* KivParser::*field)
{
    return BuilderContext::startFresh(field, GrammarActions::CHECK_PARSER);
}

void discardList(String* KivParser::*field)
{
    KivParser* parser = KivParser::current;
    if (!parser)
        return;
    SListOps::disposeList(parser->*field);
    parser->*field = nullptr;
}

} // namespace

int GrammarActions::startValueList()
{
    return startList(&KivParser::curString);
}

int GrammarActions::startDashList()
{
    return startList(&KivParser::curDashLength);
}

int GrammarActions::appendValue(char* text)
{
    String* head = valueListHead(&KivParser::curString, CHECK_VALUE_LIST);
    if (!head) {
        free(text);
        return 1;
    }
    String* item = new (std::nothrow) String(text);
    if (!item) {
        free(text);
        nomemory();
        return 1;
    }
    head->append(item);
    return 0;
}

int GrammarActions::insertText(char* text)
{
    return insertAfterHead(&KivParser::curString, CHECK_VALUE_LIST, text);
}

int GrammarActions::insertInteger(int value)
{
    return insertAfterHead(&KivParser::curString, CHECK_VALUE_LIST, value);
}

int GrammarActions::addDashLength(int length)
{
    return insertAfterHead(&KivParser::curDashLength, CHECK_DASH_LIST, length);
}

void GrammarActions::expectAccelerator()
{
    lookForAccelerator++;
}

void GrammarActions::discardValueList()
{
    discardList(&KivParser::curString);
}

void GrammarActions::discardDashList()
{
    discardList(&KivParser::curDashLength);
}

void GrammarActions::discardUnfinished()
{
    discardValueList();
    discardDashList();
    ApplicationBuilder::discardUnfinished();
    SymbolBuilder::discardUnfinished();
}

int GrammarActions::finalState()
{
    return KIVPARSER_GRAMMAR_FINAL_STATE;
}

int GrammarActions::highestToken()
{
    return KIVPARSER_GRAMMAR_HIGHEST_TOKEN;
}

int GrammarActions::ruleCount()
{
    return KIVPARSER_GRAMMAR_RULES;
}

char* _strcpy3(const char* a, const char* b, const char* c)
{
    size_t la = a ? strlen(a) : 0;
    size_t lb = b ? strlen(b) : 0;
    size_t lc = c ? strlen(c) : 0;
    char* joined = static_cast<char*>(malloc(la + lb + lc + 1));
    if (!joined)
        return nullptr;
    if (la)
        memcpy(joined, a, la);
    if (lb)
        memcpy(joined + la, b, lb);
    if (lc)
        memcpy(joined + la + lb, c, lc);
    joined[la + lb + lc] = '\0';
    return joined;
}

} // namespace kivparser
