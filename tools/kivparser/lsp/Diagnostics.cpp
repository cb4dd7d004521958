#include "lsp/Diagnostics.h"

#include "lsp/Workspace.h"

#include <cctype>

namespace {

enum Severity { SeverityError = 1, SeverityWarning = 2, SeverityInformation = 3 };

int severityOf(kivparser::ReportKind kind)
{
    switch (kind) {
    case kivparser::RPT_WARNING:
        return SeverityWarning;
    case kivparser::RPT_NOTE:
        return SeverityInformation;
    default:
        return SeverityError;
    }
}

} // namespace

Diagnostics::Json Diagnostics::position(const TextPosition& position)
{
    return Json{{"line", position.line}, {"character", position.character}};
}

Diagnostics::Json Diagnostics::range(const TextDocument* text, int line, int column, int endLine, int endColumn,
                                     TextDocument::Units units)
{
    TextRange range;
    if (!text) {
        int at = line > 0 ? line - 1 : 0;
        range.start = TextPosition{at, 0};
        range.end = TextPosition{at, 0};
    } else if (column <= 0) {
        range = text->lineRange(line, units);
    } else {
        range.start = text->fromSource(line, column, units);
        if (endLine > 0) {
            range.end = text->fromSource(endLine, endColumn, units);
        } else {
            // Only the start is known: the word or string that starts there.
            const std::string& bytes = text->text();
            std::size_t at = text->offsetOfSource(line, column);
            std::size_t end = at;
            if (end < bytes.size() && (bytes[end] == '"' || bytes[end] == '\'')) {
                char quote = bytes[end++];
                while (end < bytes.size() && bytes[end] != quote && bytes[end] != '\n')
                    end += bytes[end] == '\\' && end + 1 < bytes.size() ? 2 : 1;
                end += end < bytes.size() && bytes[end] == quote ? 1 : 0;
            } else {
                while (end < bytes.size() && (std::isalnum(static_cast<unsigned char>(bytes[end])) ||
                                              bytes[end] == '.' || bytes[end] == '_'))
                    end++;
            }
            range.end = text->positionAt(end, units);
        }
        if (range.end.line < range.start.line ||
            (range.end.line == range.start.line && range.end.character < range.start.character))
            range.end = range.start;
    }
    return Json{{"start", position(range.start)}, {"end", position(range.end)}};
}

Diagnostics::Json Diagnostics::forFile(const std::string& name, const std::vector<CapturedReport>& reports) const
{
    Json list = Json::array();
    const TextDocument* text = files.text(name);
    for (const CapturedReport& report : reports) {
        Json diagnostic = {
            {"range", range(text, report.line, report.column, report.endLine, report.endColumn, positionUnits)},
            {"severity", severityOf(report.kind)},
            {"source", "kivparser"},
            {"message", report.message},
        };
        if (!report.rule.empty())
            diagnostic["code"] = report.rule;
        if (withRelated && !report.related.empty()) {
            Json related = Json::array();
            for (const ReportPlace& place : report.related) {
                if (place.file.empty())
                    continue;
                const TextDocument* other = files.text(place.file);
                related.push_back({{"location",
                                    {{"uri", uri(place.file)},
                                     {"range", range(other, place.line, place.column, place.line, place.column,
                                                     positionUnits)}}},
                                   {"message", place.text}});
            }
            if (!related.empty())
                diagnostic["relatedInformation"] = related;
        }
        list.push_back(std::move(diagnostic));
    }
    return list;
}
