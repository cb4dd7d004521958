#include "lsp/ReportCapture.h"

#include <cstring>

ReportCapture::ReportCapture() : scope([this](const kivparser::ParserReport& report) { receive(report); }) {}

CapturedReport ReportCapture::copy(const kivparser::ParserReport& report)
{
    CapturedReport kept;
    kept.kind = report.kind;
    kept.line = report.line;
    std::string message = report.message ? report.message : "";
    // The framed text ends with line breaks and may hold some: one paragraph.
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    for (char& c : message) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    if (report.errnoValue)
        message += std::string(": ") + std::strerror(report.errnoValue);
    if (report.kind == kivparser::RPT_SYNTAX && report.token) {
        kept.syntax = true;
        kept.token = report.token;
        message += *report.token ? std::string(" near '") + report.token + "'" : std::string(" at end of input");
    }
    // The place to fix, where the library knows it.
    if (report.positionLine > 0) {
        kept.line = report.positionLine;
        kept.column = report.column;
        kept.endLine = report.endLine;
        kept.endColumn = report.endColumn;
    }
    if (report.rule)
        kept.rule = report.rule;
    if (report.detail && *report.detail)
        message += std::string(": ") + report.detail;
    for (int i = 0; report.expected && i < report.expectedCount; i++)
        kept.expected.push_back(report.expected[i] ? report.expected[i] : "");
    for (int i = 0; report.related && i < report.relatedCount; i++) {
        const kivparser::ParserRelated& place = report.related[i];
        kept.related.push_back(ReportPlace{place.file ? place.file : "", place.line, place.column,
                                           place.text ? place.text : ""});
    }
    kept.message = message;
    return kept;
}

void ReportCapture::receive(const kivparser::ParserReport& report)
{
    if (report.kind == kivparser::RPT_PROGRESS)
        return;
    if (!report.file) {
        withoutFile.push_back(copy(report));
        return;
    }
    reports[report.file].push_back(copy(report));
}
