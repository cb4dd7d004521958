// The map for maintainers (docs/ARCHITECTURE.md) names every file of
// libparser/ and nothing that is gone; every private header says in its first
// comment who may include it.

#include "support/SchemaCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string library = sourcePath("libparser");

// The paths the map's file list names: the `...` of its "- " lines between
// the heading of the list and the next heading of the same level.
std::set<std::string> mappedFiles()
{
    std::ifstream in(sourcePath("docs/ARCHITECTURE.md"));
    EXPECT_TRUE(in.is_open());
    std::set<std::string> files;
    std::string line;
    bool inList = false;
    const std::regex path("`([^` ]+)`");
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0)
            inList = line == "## Every file of libparser/";
        if (!inList || line.rfind("- `", 0) != 0)
            continue;
        // The file names come before the dash that starts the description.
        std::string names = line.substr(0, line.find(" \xe2\x80\x94 "));
        for (std::sregex_iterator at(names.begin(), names.end(), path), end; at != end; ++at)
            files.insert((*at)[1]);
    }
    return files;
}

std::set<std::string> libraryFiles()
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(library))
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), library).generic_string());
    return files;
}

} // namespace

TEST(ArchitectureMap, NamesEveryFileOfTheLibrary)
{
    std::set<std::string> mapped = mappedFiles();
    std::set<std::string> present = libraryFiles();
    for (const std::string& file : present)
        EXPECT_TRUE(mapped.count(file)) << file << " has no line in docs/ARCHITECTURE.md";
    for (const std::string& file : mapped)
        EXPECT_TRUE(present.count(file)) << "docs/ARCHITECTURE.md names " << file << ", which is not in libparser/";
}

TEST(ArchitectureMap, PrivateHeadersSayWhoIncludesThem)
{
    int headers = 0;
    for (const std::string& file : libraryFiles()) {
        if (file.rfind("include/", 0) == 0 || fs::path(file).extension() != ".h")
            continue;
        headers++;
        std::ifstream in(library + "/" + file);
        std::string line;
        while (std::getline(in, line) && line.rfind("//", 0) != 0 && line.rfind("/*", 0) != 0) {
        }
        EXPECT_TRUE(line.rfind("// Private", 0) == 0 || line.rfind("/* Private", 0) == 0)
            << file << ": the first comment does not say who may include it: " << line;
    }
    EXPECT_GT(headers, 0);
}
