#ifndef KIVPARSER_TESTS_SUPPORT_PARSEDFILE_H
#define KIVPARSER_TESTS_SUPPORT_PARSEDFILE_H

// One file parsed by a parser of its own, the way a host parses it, with what
// the parser printed; the roots the parse made go with it.

#include "kivparser/kivparser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace kivparser;

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

class ParsedFile {
public:
    explicit ParsedFile(const std::string& path, int verbose = 1)
    {
        testing::internal::CaptureStdout();
        parser.reset(new KivParser(const_cast<char*>(path.c_str()), nullptr, nullptr, nullptr, nullptr, verbose));
        out = testing::internal::GetCapturedStdout();
    }
    ~ParsedFile() { releaseRoots(*parser); }

    KivParser* operator->() const { return parser.get(); }
    // How often `part` occurs in what the parse printed.
    int count(const std::string& part) const
    {
        int n = 0;
        for (size_t at = out.find(part); at != std::string::npos; at = out.find(part, at + 1))
            n++;
        return n;
    }

    std::unique_ptr<KivParser> parser;
    std::string out;
};

#endif
