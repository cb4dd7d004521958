// Private: included by TokenScan.cpp and the tests and fuzz targets of the scanner.
#ifndef KIVPARSER_LANGUAGE_TOKENSCAN_H
#define KIVPARSER_LANGUAGE_TOKENSCAN_H

#include <string>
#include <vector>

namespace kivparser {

// One token as the scanner delivered it.
struct ScannedToken {
    int token;        // token number (257..419), or a character's code
    bool hasText;     // the token carried a heap text (identifier, string...)
    std::string text; // that text
    int value;        // the value of an INTVAL
    int line;         // the line count right after the token was read
    int startLine;    // where the token starts and ends (the end exclusive):
    int column;       // 1-based lines and byte columns (TokenPositions.h)
    int endLine;
    int endColumn;
};

// Runs the scanner alone over a file, for tests and diagnosis tools: the
// tokens up to the end of the input, their values and line counts. With
// `afterLabels`, a STRING that starts the input or follows a ";" is taken
// for a menu item's label: it raises the accelerator mode as the grammar
// does. Must not run during a parse.
class TokenScan {
public:
    static std::vector<ScannedToken> scanFile(const char* path, bool afterLabels = false);
};

} // namespace kivparser

#endif
