#include "support/SchemaCheck.h"
#include "support/TempDir.h"

#include <cstdlib>

bool pythonChecksRun()
{
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

std::string sourcePath(const std::string& rel)
{
    return std::string(KIVPARSER_TEST_DATA) + "/../../" + rel;
}

std::string schemaPath()
{
    return sourcePath("schema/kivparser-registration.schema.json");
}

namespace {

// A word for the shell, in single quotes.
std::string quoted(const std::string& word)
{
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

bool runCheck(const std::string& script, const std::vector<std::string>& args)
{
    std::string command = "python3 " + quoted(sourcePath(script));
    for (const std::string& arg : args)
        command += " " + quoted(arg);
    return std::system(command.c_str()) == 0;
}

std::string jsonText(const std::function<int(FILE*)>& write)
{
    int status = -1;
    std::string json = writtenBy([&](FILE* out) { status = write(out); });
    return status == 0 ? json : std::string();
}

bool validatesAgainstSchema(const std::vector<std::string>& documents, const std::string& what)
{
    TempDir dir;
    std::vector<std::string> args = {schemaPath(), what};
    for (size_t i = 0; i < documents.size(); i++)
        args.push_back(dir.file("export" + std::to_string(i) + ".json", documents[i]));
    return runCheck("tests/dump/json_schema_validate.py", args);
}
