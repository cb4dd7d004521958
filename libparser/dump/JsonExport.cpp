#include "kivparser/dump/JsonExport.h"

#include "language/JsonWriter.h"
#include "dump/ModelWalk.h"
#include "language/ParseLock.h"

namespace kivparser {

namespace {

// The export changes nothing: a const registration is walked like any other.
int exportDocument(FILE* out, const ClassInfo& type, const void* root)
{
    if (!out || !root)
        return -1;
    // Like the text dumps: not while a parse is filling the registration.
    ParseLock lock;
    if (!ModelWalk::json(out, type, const_cast<void*>(root)))
        return -1;
    putc('\n', out);
    return ferror(out) ? -1 : 0;
}

} // namespace

int dumpJson(FILE* out, const ApplicationRegistration* registration)
{
    return exportDocument(out, described::applicationRegistration, registration);
}

int dumpJsonTabs(FILE* out, const ApplicationRegistration* registration)
{
    return exportDocument(out, described::tabsView, registration);
}

int dumpJson(FILE* out, const SymbolRegistration* registration)
{
    return exportDocument(out, described::symbolRegistration, registration);
}

int dumpJson(FILE* out, const FieldRegistration* registration)
{
    return exportDocument(out, described::fieldRegistration, registration);
}

int dumpJson(FILE* out, const SnmppvReg* registration)
{
    return exportDocument(out, described::snmppvReg, registration);
}

void writeJsonString(FILE* out, const char* text)
{
    if (out)
        JsonWriter::writeString(out, text);
}

} // namespace kivparser
