#include "language/ExpectedTokens.h"
#include "kivparser/language/ParserErr.h"
#include "language/DiagnosticRuleNames.h"
#include "language/ReportDetails.h"
#include "language/TokenPositions.h"
#include "language/grammar.tab.h"
#include "language/grammar.tables.h"

#include <algorithm>
#include <cctype>
#include <string>

extern int KIVyychar;

namespace kivparser {

namespace {

struct TokenSpelling {
    int token;
    const char* spelling;
};

const TokenSpelling spellings[] = {
#include "language/grammar.tokens.h"
};

// The expected tokens named in a detail; more are "...".
const int NAMED_AT_MOST = 4;

int groupOf(int token)
{
    switch (token) {
    case 0:
    case STRING:
    case IDENTIFIER:
    case INTVAL:
    case FUNCTION:
    case MNEMONIC:
    case ACCELERATOR:
        return 1;
    default:
        break;
    }
    const char* text = ExpectedTokens::spelling(token);
    // Signs ("';'") before keywords ("'menu'").
    return text && std::isalpha(static_cast<unsigned char>(text[1])) ? 2 : 0;
}

} // namespace

const char* ExpectedTokens::spelling(int token)
{
    switch (token) {
    case 0:
        return "end of input";
    case STRING:
        return "a string";
    case IDENTIFIER:
        return "a name";
    case INTVAL:
        return "a number";
    case FUNCTION:
        return "a function (f.name)";
    case MNEMONIC:
        return "a mnemonic (_x)";
    case ACCELERATOR:
        return "an accelerator";
    case SEMICOLON:
        // Not in the generated table: CMake reads ';' as a list separator.
        return "';'";
    default:
        break;
    }
    for (const TokenSpelling& entry : spellings) {
        if (entry.token == token)
            return entry.spelling;
    }
    return nullptr;
}

std::vector<int> ExpectedTokens::inState(int state)
{
    std::vector<int> tokens;
    int found[KIVPARSER_GRAMMAR_HIGHEST_TOKEN + 1];
    int count = grammarAcceptedTokens(state, found, KIVPARSER_GRAMMAR_HIGHEST_TOKEN + 1);
    for (int i = 0; i < count; i++) {
        if (spelling(found[i]))
            tokens.push_back(found[i]);
    }
    std::stable_sort(tokens.begin(), tokens.end(), [](int a, int b) { return groupOf(a) < groupOf(b); });
    return tokens;
}

void ExpectedTokens::reportSyntaxError(const char* message, int state)
{
    ReportDetails details;
    const SourceSpan& lookahead = TokenPositions::last();
    const SourceSpan& before = TokenPositions::previous();
    std::vector<int> tokens;
    try {
        tokens = inState(state);
    } catch (...) {
        nomemory();
        return;
    }
    std::string detail;
    try {
        size_t named = std::min(tokens.size(), static_cast<size_t>(NAMED_AT_MOST));
        for (size_t i = 0; i < tokens.size(); i++) {
            details.expect(spelling(tokens[i]));
            if (i >= named)
                continue;
            detail += i == 0 ? "expected " : i + 1 == named && named == tokens.size() ? " or " : ", ";
            detail += spelling(tokens[i]);
        }
        if (tokens.size() > named)
            detail += " or ...";
    } catch (...) {
        nomemory();
        return;
    }

    SourceSpan open;
    TokenPositions::Unterminated left = TokenPositions::leftOpen(&open);
    // A ';' is welcome after a '{', a '}' or another ';' as an empty
    // statement: only after other tokens is it one that is missing.
    int last = TokenPositions::previousToken();
    bool semicolonExpected = std::find(tokens.begin(), tokens.end(), SEMICOLON) != tokens.end() && last != SEMICOLON &&
                             last != LCURL && last != RCURL;
    if (KIVyychar <= 0 && left != TokenPositions::OPEN_NONE) {
        // The string or comment took the rest of the file: that is the fault.
        bool string = left == TokenPositions::OPEN_STRING;
        details.rule(string ? RULE_UNTERMINATED_STRING : RULE_UNTERMINATED_COMMENT);
        details.detail(string ? "unterminated string" : "unterminated comment");
        details.at(SourceSpan{open.line, open.column, open.line, open.column + (string ? 1 : 2)});
    } else if (semicolonExpected && before.endLine > 0 && before.endLine < lookahead.line) {
        // A statement that lacks its ';' ends where its last token ends.
        details.detail(detail.c_str());
        details.at(SourceSpan{before.endLine, before.endColumn, before.endLine, before.endColumn});
    } else {
        details.detail(detail.c_str());
        details.at(lookahead);
    }
    KIVyyerror(message);
}

} // namespace kivparser
