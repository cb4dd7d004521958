// Private: included by the language folder, the builders of the application folder and the linter.
#ifndef KIVPARSER_LANGUAGE_REPORTDETAILS_H
#define KIVPARSER_LANGUAGE_REPORTDETAILS_H

#include "kivparser/language/ParserReport.h"
#include "language/TokenPositions.h"

#include <string>
#include <vector>

namespace kivparser {

// What a report carries besides its framed text: the rule, the place to fix,
// the expected tokens, the related places. Code that knows more than the
// line (a builder that knows where a name stands, the syntax error that knows
// what was expected) opens a ReportDetails, fills it and makes its report;
// the reports made on this thread while it lives carry what it holds. Without
// one a report of the parse at work stands at the last token read, when that
// is on the report's line. Private to the library.
class ReportDetails final {
public:
    ReportDetails();
    ~ReportDetails();
    ReportDetails(const ReportDetails&) = delete;
    ReportDetails& operator=(const ReportDetails&) = delete;

    // The rule, instead of the one of the message's catalog number.
    void rule(const char* name) { ruleName = name; }
    // The place to fix.
    void at(const SourceSpan& span) { place = span; }
    // The place of the name whose scanner text is `text` (a label, a name
    // handed to a builder), when it is still known.
    void atName(const char* text);
    // Words for machine formats ("expected ';' or '}'").
    void detail(const char* text);
    // One expected token, as a reader writes it (static text).
    void expect(const char* token);
    // The first definition of `object` in the source map of the parse at
    // work, as a related place, when there is one (`text` static).
    void relatedTo(const void* object, const char* text);
    // A related place; `file` and `text` must outlive the report (a file
    // name of the source map, a static text).
    void related(const char* file, int line, int column, const char* text);

    // Fills the 0.2 members of `report` from the details of this thread, or
    // with the defaults when there are none.
    static void fill(ParserReport& report, int catalogNumber);

private:
    const char* ruleName = nullptr;
    SourceSpan place = {0, 0, 0, 0};
    std::string detailText;
    std::vector<const char*> expectedTokens;
    std::vector<ParserRelated> relatedPlaces;
    ReportDetails* outer;
};

} // namespace kivparser

#endif
