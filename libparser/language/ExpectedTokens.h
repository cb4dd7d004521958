// Private: included by the grammar (grammar.y) and ExpectedTokens.cpp.
#ifndef KIVPARSER_LANGUAGE_EXPECTEDTOKENS_H
#define KIVPARSER_LANGUAGE_EXPECTEDTOKENS_H

#include <vector>

namespace kivparser {

// What the grammar would have accepted: read from the engine's tables at a
// parser state, for the report of a syntax error and for completion in an
// editor. Private to the library.
class ExpectedTokens final {
public:
    // The tokens (0 for the end of the input) that `state` shifts or reduces
    // on, the most telling first: signs, then values, then keywords, each
    // group in token order. Empty for a state that is not one.
    static std::vector<int> inState(int state);
    // How a reader writes `token`: "';'", "'menubar'", "a string", "end of
    // input"; null for tokens no reader writes (the error token, LEXERR).
    static const char* spelling(int token);
    // The report of a syntax error found in `state`, the lookahead being the
    // last token read: the expected tokens, the place to fix (after the last
    // token of a line that lacks its ';', the start of an unterminated string
    // or comment), then the grammar engine's report (KIVyyerror).
    static void reportSyntaxError(const char* message, int state);
};

// The engine's side (grammar.y, where the tables are): writes at most `max`
// tokens that `state` shifts or reduces on into `tokens`, in token order;
// the number written, -1 when `state` is not a state.
int grammarAcceptedTokens(int state, int* tokens, int max);

} // namespace kivparser

#endif
