#include "support/SchemaCheck.h"
#include "support/TempDir.h"

#include <cstdlib>

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
    char* text = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&text, &length);
    if (!out)
        return std::string();
    int status = write(out);
    fclose(out);
    std::string json = status == 0 ? std::string(text, length) : std::string();
    free(text);
    return json;
}

bool validatesAgainstSchema(const std::vector<std::string>& documents, const std::string& what)
{
    TempDir dir;
    std::vector<std::string> args = {schemaPath(), what};
    for (size_t i = 0; i < documents.size(); i++)
        args.push_back(dir.file("export" + std::to_string(i) + ".json", documents[i]));
    return runCheck("tests/dump/json_schema_validate.py", args);
}
