// A host compiled the simplest way, -I<prefix>/include and nothing else,
// written against the plain names: parses one file and loads a directory.
#include <kivparser/kivparser.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    KivParser parser(argv[1], static_cast<ApplicationRegistration*>(nullptr), 0);
    ApplicationRegistration* fromFile = parser.getAppReg();
    SymbolRegistration* symbols = loadSrf(0, argv[2]);
    int classes = 0;
    for (SymbolClass* sc = symbols && symbols->symbolClasses ? symbols->symbolClasses->next() : nullptr; sc;
         sc = sc->next())
        classes++;
    std::printf("naive: %s ok=%d application %s, %d symbol classes\n", kivparser::version(), parser.ok,
                fromFile && fromFile->applications && fromFile->applications->next()
                    ? fromFile->applications->next()->appName
                    : "-",
                classes);
    delete fromFile;
    delete symbols;
    return parser.ok && classes > 0 ? 0 : 1;
}
