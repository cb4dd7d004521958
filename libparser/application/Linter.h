// Private: included by Linter.cpp and its tests.
#ifndef KIVPARSER_APPLICATION_LINTER_H
#define KIVPARSER_APPLICATION_LINTER_H

#include <string>
#include <vector>

namespace kivparser {

class ApplicationRegistration;
class Application;
class _Menu;
class _MenuItem;
struct SourcePlace;

// The checks of lintApplications (Lint.h) over one application registration:
// each rule walks the merged model and takes the places of what it finds
// from the root's source map. Private to the library.
class Linter final {
public:
    Linter(const ApplicationRegistration* reg, const std::vector<std::string>& rules);
    // Runs the rules; the number of findings.
    int run();

    // The edit distance (insertions, deletions, substitutions) of two names,
    // without regard to case.
    static int editDistance(const char* a, const char* b);

private:
    bool wants(const char* rule) const;
    void undefinedContainers();
    void unreachableMenus();
    void emptyMenus();
    void suspiciousFunctions();
    void unusedActions();

    // A finding at the first of `places` (none: without a place), with the
    // others as related places under `relatedText`.
    void report(const char* rule, const std::vector<SourcePlace>& places, const char* relatedText,
                const std::string& message);
    // Every entry of the registration: menu bars, menus, popup menus and
    // items, toolbar buttons, tabs and lists.
    std::vector<const _MenuItem*> entries() const;
    std::vector<const _Menu*> menusWithEntries() const;

    const ApplicationRegistration* registration;
    std::vector<std::string> enabled;
    std::vector<const _MenuItem*> allEntries; // entries(), made once by run()
    int findings = 0;
};

} // namespace kivparser

#endif
