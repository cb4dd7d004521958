#include "support/RegistrationRun.h"

#include "kivparser/kivparser.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace kivparser;

int RegistrationRun::parseDumpFold(const std::string& first, const std::string& second)
{
    fflush(stdout);
    int saved = dup(STDOUT_FILENO);
    int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
    }

    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* pvrf = nullptr;
    int errors = 0;
    for (const std::string* file : { &first, &second }) {
        if (file->empty())
            continue;
        KivParser* parser = new KivParser(const_cast<char*>(file->c_str()), arf, srf, frf, pvrf, 1);
        arf = parser->getAppReg();
        srf = parser->getSymReg();
        frf = parser->getFldReg();
        pvrf = parser->getSnmppvReg();
        errors += parser->errors;
        delete parser;
    }
    if (arf) {
        arf->debugDump();
        arf->debugDumpTabs();
        arf->removeSingleActionMenus();
        arf->debugDump();
    }
    if (srf)
        srf->debugDump();
    if (frf)
        frf->debugDump();
    if (pvrf)
        pvrf->debugDump();
    delete arf;
    delete srf;
    delete frf;
    delete pvrf;

    fflush(stdout);
    if (saved >= 0) {
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }
    return errors;
}

std::string RegistrationRun::fuzzInput(const char* name)
{
    return std::string(KIVPARSER_TEST_DATA) + "/fuzz/" + name;
}
