#include "dump/DumpWriter.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"
#include "kivparser/symbols/AcceptArgument.h"
#include "kivparser/symbols/IgnoreAction.h"
#include "kivparser/symbols/SnmppvCgi.h"
#include "kivparser/symbols/SnmppvReg.h"

namespace kivparser {

namespace {

// One "\t\t\"%s\", \n" line per text value of the list.
void dumpNames(String* head)
{
    for (String* value = head ? head->next() : nullptr; value; value = value->next()) {
        if (!value->isInteger())
            printf_new("\t\t\"%s\", \n", DumpWriter::str(value->str));
    }
}

void dumpCgi(SnmppvCgi* cgi)
{
    using W = DumpWriter;
    printf_new("CGI : %s {\n", W::str(cgi->cgiNameID));
    printf_new("\tCommand %s;\n", W::str(cgi->commandName));
    printf_new("\tCgiPath \"%s\";\n", W::str(cgi->cgiPath));
    printf_new("\tIconPath \"%s\";\n", W::str(cgi->iconPath));
    AcceptArgument* args = cgi->acceptArguments;
    for (AcceptArgument* arg = args ? args->next() : nullptr; arg; arg = arg->next()) {
        printf_new("\tAcceptArguments \"%s\"", W::str(arg->optionName));
        if (arg->isNoArgs) {
            printf_new(";\n");
            continue;
        }
        printf_new(" {\n");
        dumpNames(arg->optionArgs);
        printf_new("\t}\n");
    }
    IgnoreAction* ignores = cgi->ignoreActions;
    for (IgnoreAction* ignore = ignores ? ignores->next() : nullptr; ignore; ignore = ignore->next()) {
        printf_new("\tIgnoreActions \"%s\" {\n", W::str(ignore->appName));
        if (ignore->actionNamesAll)
            printf_new("\t\tall\n");
        dumpNames(ignore->actionNames);
        printf_new("\t}\n");
    }
    printf_new("}\n");
}

} // namespace

// The CGI listing has its own fixed layout (tabs, no nesting level).
void SnmppvReg::debugDump()
{
    ParseLock lock;
    for (SnmppvCgi* cgi = snmppvCgis ? snmppvCgis->next() : nullptr; cgi; cgi = cgi->next())
        dumpCgi(cgi);
}

} // namespace kivparser
