#include "RegistrationKind.h"

#include "ToolCommand.h"
#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstdlib>

// The standard directories of the loaders, as the installation lays them out.
#define KZ_ETC "%KZ_ETC_PATH%/"

const RegistrationKind RegistrationKind::application("application registration", KZ_ETC "registration", "KIvRegDir");
const RegistrationKind RegistrationKind::symbol("symbol registration", KZ_ETC "symbols", "KIvSymDir");
const RegistrationKind RegistrationKind::field("field registration", KZ_ETC "fields", "KIvFieldDir");
const RegistrationKind RegistrationKind::cgi("CGI registration", KZ_ETC "www/registration/dazivovovo", "");

RegistrationKind::RegistrationKind(const char* theTitle, const char* theStandardDir, const char* theEnvName)
    : kindTitle(theTitle), standardDir(theStandardDir), envName(theEnvName)
{
}

std::string RegistrationKind::directoryFor(const char* path) const
{
    char* dir = getStandardPathNoLang(path, standardDir, envName);
    std::string result = dir ? dir : standardDir;
    free(dir);
    return result;
}

std::string RegistrationKind::notFound(const char* path) const
{
    return std::string("no ") + kindTitle + " found in " + directoryFor(path);
}

int RegistrationKind::reportNotFound(const char* path) const
{
    std::fflush(stdout);
    std::fprintf(stderr, "kivparser: %s\n", notFound(path).c_str());
    return TOOL_EXIT_FAILURE;
}
