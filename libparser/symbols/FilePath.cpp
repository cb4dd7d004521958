#include "kivparser/symbols/FilePath.h"
#include "platform/KzEnvironment.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <cstring>

namespace kivparser {

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

FilePath::FilePath(char* path) : path(path ? _strdup(path) : nullptr) {}

FilePath::~FilePath()
{
    free(path);
}

int FilePath::isRelativePath()
{
    if (!path)
        return 1;
    if (isSeparator(path[0]))
        return 0;
    if (path[0] && path[1] == ':' && isSeparator(path[2]))
        return 0;
    return 1;
}

void FilePath::makeAbsPath(char* root, int withLang)
{
    if (!root || !path || !isRelativePath())
        return;
    const char* lang = KzEnvironment::getVariable("LANG");
    if (!lang || !*lang)
        lang = "C";
    size_t length = strlen(root) + 1 + strlen(path) + 1;
    if (withLang)
        length += strlen(lang) + 1;
    char* absolute = static_cast<char*>(malloc(length));
    if (!absolute)
        return;
    strcpy(absolute, root);
    strcat(absolute, KZ_PATH_SEP_STR);
    if (withLang) {
        strcat(absolute, lang);
        strcat(absolute, KZ_PATH_SEP_STR);
    }
    strcat(absolute, path);
    free(path);
    path = absolute;
}

} // namespace kivparser
