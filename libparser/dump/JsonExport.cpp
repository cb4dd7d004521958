#include "kivparser/dump/JsonExport.h"

#include "language/JsonWriter.h"
#include "dump/ModelWalk.h"
#include "language/ParseLock.h"

namespace kivparser {

namespace {

int exportDocument(FILE* out, const ClassInfo& type, void* root)
{
    if (!out || !root)
        return -1;
    // Like the text dumps: not while a parse is filling the registration.
    ParseLock lock;
    if (!ModelWalk::json(out, type, root))
        return -1;
    putc('\n', out);
    return ferror(out) ? -1 : 0;
}

} // namespace

int dumpJson(FILE* out, ApplicationRegistration* registration)
{
    return exportDocument(out, described::applicationRegistration, registration);
}

int dumpJsonTabs(FILE* out, ApplicationRegistration* registration)
{
    return exportDocument(out, described::tabsView, registration);
}

int dumpJson(FILE* out, SymbolRegistration* registration)
{
    return exportDocument(out, described::symbolRegistration, registration);
}

int dumpJson(FILE* out, FieldRegistration* registration)
{
    return exportDocument(out, described::fieldRegistration, registration);
}

int dumpJson(FILE* out, SnmppvReg* registration)
{
    return exportDocument(out, described::snmppvReg, registration);
}

void writeJsonString(FILE* out, const char* text)
{
    if (out)
        JsonWriter::writeString(out, text);
}

} // namespace kivparser
