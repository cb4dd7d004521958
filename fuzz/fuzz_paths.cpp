// The path functions over arbitrary strings, long ones included: the
// comparisons of path ends, the language-free directory list with its
// stripping of final components, file paths made absolute, and URL escaping.
#include "kivparser/kivparser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

using namespace kivparser;

namespace {
char* copyOf(const std::string& s)
{
    char* copy = strdup(s.c_str());
    if (!copy)
        abort();
    return copy;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    std::string a = in.ConsumeRandomLengthString();
    std::string b = in.ConsumeRandomLengthString();
    std::string c = in.ConsumeRandomLengthString();
    bool useEnvironment = in.ConsumeBool();
    bool withPath = in.ConsumeBool();
    int withLang = in.ConsumeBool();

    matchPathEnd(a.c_str(), b.c_str());
    matchPathEnd(b.c_str(), a.c_str());
    pathsMatch(a.c_str(), b.c_str());
    pathsMatch(a.c_str(), nullptr);

    // The directory list: from the path argument, from an environment
    // variable holding arbitrary text, or from the default with %NAME%
    // expansion.
    if (useEnvironment)
        setenv("KIVFUZZ_DIR", c.c_str(), 1);
    else
        unsetenv("KIVFUZZ_DIR");
    free(getStandardPathNoLang(withPath ? a.c_str() : nullptr, b.c_str(), useEnvironment ? "KIVFUZZ_DIR" : c.c_str()));

    char* list = copyOf(a);
    free(stripMatchingFinalComponents(list, b.c_str()));
    free(list);

    char* original = copyOf(a);
    FilePath* file = new FilePath(original); // keeps a copy of its own
    free(original);
    file->isRelativePath();
    char* root = copyOf(b);
    file->makeAbsPath(root, withLang);
    free(root);
    delete file;

    free(UrlPathConv(copyOf(c)));
    free(UrlPathConv(nullptr));
    return 0;
}
