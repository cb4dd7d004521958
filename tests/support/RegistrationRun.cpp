#include "support/RegistrationRun.h"

#include "kivparser/kivparser.h"
#include "support/JsonCheck.h"
#include "support/TestSystem.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace kivparser;

namespace {

// Writes the JSON document of a registration to memory and ends the process
// when it is not valid JSON.
template <class Registration>
void checkJson(int (*dump)(FILE*, const Registration*), const Registration* registration)
{
    int status = 0;
    std::string text = writtenBy([&](FILE* out) { status = dump(out, registration); });
    if (status != 0 || !isValidJson(text.data(), text.size())) {
        fprintf(stderr, "RegistrationRun: the JSON export is not valid JSON (status %d):\n%.2000s\n", status,
                text.c_str());
        abort();
    }
}

} // namespace

int RegistrationRun::parseDumpFold(const std::string& first, const std::string& second)
{
    fflush(stdout);
    int saved = dup(STDOUT_FILENO);
    int devNull = open(nullDevice, O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
    }

    ApplicationRegistration* arf = nullptr;
    SymbolRegistration* srf = nullptr;
    FieldRegistration* frf = nullptr;
    SnmppvReg* pvrf = nullptr;
    int errors = 0;
    for (const std::string* file : {&first, &second}) {
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
        checkJson<ApplicationRegistration>(dumpJson, arf);
        checkJson<ApplicationRegistration>(dumpJsonTabs, arf);
        arf->removeSingleActionMenus();
        arf->debugDump();
        checkJson<ApplicationRegistration>(dumpJson, arf);
    }
    if (srf) {
        srf->debugDump();
        checkJson<SymbolRegistration>(dumpJson, srf);
    }
    if (frf) {
        frf->debugDump();
        checkJson<FieldRegistration>(dumpJson, frf);
    }
    if (pvrf) {
        pvrf->debugDump();
        checkJson<SnmppvReg>(dumpJson, pvrf);
    }
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
