#ifndef KIVPARSER_TESTS_LANGUAGE_LANGUAGEFILES_H
#define KIVPARSER_TESTS_LANGUAGE_LANGUAGEFILES_H

#include "kivparser/kivparser.h"
#include "language/grammar.tab.h"
#include "language/TokenScan.h"
#include "language/Lex.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <dirent.h>
#include <unistd.h>

using namespace kivparser;

// Helpers of the language tests; the namespace keeps them apart from the
// helpers of other folders in the one test program.
namespace langtest {

// A scratch directory under /tmp for registration files written by a test;
// removed with everything in it when the test ends.
class LanguageDir {
public:
    LanguageDir()
    {
        char pattern[] = "/tmp/kivparser-language-XXXXXX";
        char* made = mkdtemp(pattern);
        path = made ? made : "/tmp";
    }
    ~LanguageDir()
    {
        DIR* dir = opendir(path.c_str());
        if (dir) {
            while (dirent* entry = readdir(dir)) {
                std::string name = entry->d_name;
                if (name != "." && name != "..")
                    unlink((path + "/" + name).c_str());
            }
            closedir(dir);
        }
        rmdir(path.c_str());
    }
    // Writes `content` (any bytes) to the file `name` and returns its path.
    std::string write(const std::string& name, const std::string& content)
    {
        std::string file = path + "/" + name;
        FILE* stream = fopen(file.c_str(), "wb");
        if (stream) {
            fwrite(content.data(), 1, content.size(), stream);
            fclose(stream);
        }
        return file;
    }

    std::string path;
};

// The tokens of `content`, scanned alone.
inline std::vector<ScannedToken> scanText(LanguageDir& dir, const std::string& content, bool afterLabels = false)
{
    return TokenScan::scanFile(dir.write("scan.reg", content).c_str(), afterLabels);
}

inline std::vector<int> tokenNumbers(const std::vector<ScannedToken>& tokens)
{
    std::vector<int> numbers;
    for (const ScannedToken& token : tokens)
        numbers.push_back(token.token);
    return numbers;
}

// The texts of the identifiers among `tokens`, in order.
inline std::vector<std::string> identifiers(const std::vector<ScannedToken>& tokens)
{
    std::vector<std::string> names;
    for (const ScannedToken& token : tokens)
        if (token.token == IDENTIFIER)
            names.push_back(token.text);
    return names;
}

// Destroys the roots a parse made (the caller of a parser owns them).
inline void releaseRoots(KivParser& parser)
{
    delete parser.getAppReg();
    delete parser.getSymReg();
    delete parser.getFldReg();
    delete parser.getSnmppvReg();
    parser.curAppReg = nullptr;
    parser.curSymReg = nullptr;
    parser.curFldReg = nullptr;
    parser.curSnmppvReg = nullptr;
}

} // namespace langtest

using namespace langtest;

#endif
