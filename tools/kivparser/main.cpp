// kivparser: the command-line tool of the registration library.

#include "Tool.h"

#include <clocale>

int main(int argc, char** argv)
{
    // The library names the language subdirectory after the locale, and reads
    // multibyte text by it; the program chooses the locale, from the environment.
    std::setlocale(LC_ALL, "");
    Tool tool;
    return tool.run(argc, argv);
}
