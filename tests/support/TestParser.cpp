#include "support/TestParser.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <string>

using namespace kivparser;

TestParser::TestParser(int verbose, const char* file, int line)
{
    parser = new KivParser(const_cast<char*>("/nonexistent/kivparser-test.reg"),
                           static_cast<ApplicationRegistration*>(nullptr), 0);
    parser->errors = 0;
    parser->warnings = 0;
    parser->verbose = verbose;
    parser->lineno = line;
    setFile(file);
}

TestParser::~TestParser()
{
    delete parser;
}

void TestParser::setFile(const char* file)
{
    free(parser->filename);
    parser->filename = _strdup(file);
}

void useCatalog(const char* dir)
{
    std::string path = std::string(dir) + "/%N.cat";
    setenv("NLSPATH", path.c_str(), 1);
    setenv("LANG", "C", 1);
}
