// The member descriptions against the installed JSON Schema and the public
// headers: every described member is in the schema with its type, the schema
// has nothing that no class has, and every data member of a public model
// class is described (model_description_check.py does the comparing).

#include "dump/ModelDescription.h"
#include "support/SchemaCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace kivparser;

namespace {

// Writes one class's members as a JSON array of [name, kind, class].
class MemberList final : public MemberVisitor {
public:
    explicit MemberList(std::ostream& out) : out(out) {}

    void text(const char* name, const char*, Show) override { member(name, "text"); }
    void number(const char* name, long, Show) override { member(name, "number"); }
    void variant(const char* name, ValueType, long, const char*, Show) override { member(name, "variant"); }
    void values(const char* name, String*, Show) override { member(name, "values"); }
    void object(const char* name, const ClassInfo& type, void*, Show, Context) override
    {
        member(name, "object", type.name);
    }
    void link(const char* name, const ClassInfo& type, void*, bool, Show, Context) override
    {
        member(name, "link", type.name);
    }
    void beginList(const char* name, const ClassInfo& type, Show) override { member(name, "list", type.name); }
    void element(void*, Context) override {}
    void endList() override {}
    void layout(Show) override {}

private:
    void member(const char* name, const char* kind, const char* type = "")
    {
        out << (first ? "" : ",") << "[\"" << name << "\",\"" << kind << "\",\"" << type << "\"]";
        first = false;
    }

    std::ostream& out;
    bool first = true;
};

void describeClass(std::ostream& out, const ClassInfo& info, void* object)
{
    out << "\"" << info.name << "\":[";
    MemberList members(out);
    info.describe(members, object, Context{0, 0});
    out << "]";
}

} // namespace

TEST(ModelDescription, MatchesTheSchemaAndThePublicHeaders)
{
    if (!pythonChecksRun())
        GTEST_SKIP() << "the check is a Python script, run by the Linux build";
    TempDir dir;
    std::string path = dir.path("descriptions.json");
    {
        std::ofstream out(path);
        out << "{";
        for (int i = 0; i < described::count; i++) {
            const described::Entry& entry = described::all[i];
            void* object = entry.make();
            describeClass(out, *entry.info, object);
            out << ",";
            // A view of its own: the tabs document.
            if (entry.info == &described::applicationRegistration) {
                describeClass(out, described::tabsView, object);
                out << ",";
            }
            entry.dispose(object);
        }
        out << "\"\":[]}\n";
    }
    EXPECT_TRUE(runCheck("tests/dump/model_description_check.py", {schemaPath(), path, sourcePath("libparser/include")}));
}
