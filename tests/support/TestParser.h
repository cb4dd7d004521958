#ifndef KIVPARSER_TESTS_SUPPORT_TESTPARSER_H
#define KIVPARSER_TESTS_SUPPORT_TESTPARSER_H

#include "kivparser/kivparser.h"

#include <string>

using namespace kivparser;

// A parser that has parsed nothing: made on a missing file (which only counts
// "can't open"), then reset to no counts, the given verbosity, file and line.
// It is KivParser::current while it lives.
class TestParser {
public:
    explicit TestParser(int verbose, const char* file = "app.reg", int line = 1);
    ~TestParser();
    KivParser* operator->() { return parser; }
    KivParser* get() { return parser; }
    void setFile(const char* file);

private:
    KivParser* parser;
};

// Points the catalog lookup at the catalog "libparser" in `dir` (NLSPATH) and
// sets LANG, so that texts come from that catalog.
void useCatalog(const char* dir);

#endif
