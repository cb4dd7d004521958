#include "language/ReportDetails.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/ParserErr.h"
#include "language/DiagnosticRuleNames.h"
#include "language/SourceMap.h"

namespace kivparser {

namespace {

thread_local ReportDetails* active = nullptr;

} // namespace

ReportDetails::ReportDetails() : outer(active)
{
    active = this;
}

ReportDetails::~ReportDetails()
{
    active = outer;
}

void ReportDetails::atName(const char* text)
{
    SourceSpan span;
    if (TokenPositions::spanOfText(text, &span))
        place = span;
}

void ReportDetails::relatedTo(const void* object, const char* text)
{
    std::vector<SourcePlace> places = SourceMap::definitionsHere(object);
    if (!places.empty())
        related(places.front().file, places.front().span.line, places.front().span.column, text);
}

// Memory that runs out for a detail is reported like any other (and ends the
// parse at work); the report goes without the detail.
void ReportDetails::detail(const char* text)
{
    try {
        detailText = text ? text : "";
    } catch (...) {
        detailText.clear();
        nomemory();
    }
}

void ReportDetails::expect(const char* token)
{
    try {
        expectedTokens.push_back(token);
    } catch (...) {
        nomemory();
    }
}

void ReportDetails::related(const char* file, int line, int column, const char* text)
{
    try {
        relatedPlaces.push_back(ParserRelated{file, line, column, text});
    } catch (...) {
        nomemory();
    }
}

void ReportDetails::fill(ParserReport& report, int catalogNumber)
{
    const ReportDetails* details = active;
    report.rule = details && details->ruleName ? details->ruleName : ruleOfMessage(catalogNumber);
    if (!report.rule && report.kind == RPT_SYNTAX)
        report.rule = RULE_SYNTAX_ERROR;
    if (report.kind == RPT_PROGRESS || report.kind == RPT_NOTE)
        report.rule = nullptr;

    SourceSpan span = {0, 0, 0, 0};
    if (details && details->place.line > 0) {
        span = details->place;
    } else if (report.line > 0 && KivParser::parserAtWork()) {
        // The last token read, when the report is about its line.
        const SourceSpan& last = TokenPositions::last();
        if (last.line == report.line && last.column > 0)
            span = last;
        else
            span = SourceSpan{report.line, 0, 0, 0};
    } else if (report.line > 0) {
        span = SourceSpan{report.line, 0, 0, 0};
    }
    report.positionLine = span.line;
    report.column = span.column;
    report.endLine = span.endLine;
    report.endColumn = span.endColumn;

    if (details && !details->detailText.empty())
        report.detail = details->detailText.c_str();
    if (details && !details->expectedTokens.empty()) {
        report.expectedCount = static_cast<int>(details->expectedTokens.size());
        report.expected = details->expectedTokens.data();
    }
    if (details && !details->relatedPlaces.empty()) {
        report.relatedCount = static_cast<int>(details->relatedPlaces.size());
        report.related = details->relatedPlaces.data();
    }
}

} // namespace kivparser
