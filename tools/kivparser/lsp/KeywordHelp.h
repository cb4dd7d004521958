#ifndef KIVPARSER_TOOL_LSP_KEYWORDHELP_H
#define KIVPARSER_TOOL_LSP_KEYWORDHELP_H

// One line on what a keyword or function of the registration language does,
// for hover and completion.
class KeywordHelp {
public:
    // `word` in lower case (a keyword, "f.action" ...); null when there is no
    // line for it.
    static const char* line(const char* word);
};

#endif
