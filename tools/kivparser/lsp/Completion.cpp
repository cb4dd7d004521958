#include "lsp/Completion.h"

#include "lsp/CursorContext.h"
#include "lsp/Diagnostics.h"
#include "lsp/KeywordHelp.h"
#include "lsp/ModelLookup.h"
#include "lsp/ReportCapture.h"
#include "lsp/SourceScanner.h"

#include <algorithm>
#include <cctype>
#include <new>

using Json = nlohmann::json;

namespace {

// CompletionItemKind of the protocol.
enum ItemKind { ItemFunction = 3, ItemModule = 9, ItemEnum = 13, ItemKeyword = 14 };

// The sentinel after the prefix: a byte that no rule of the scanner takes
// but the one for anything else, which hands the grammar a token no rule
// accepts.
const char* const sentinel = "$";

// The keyword as files usually write it: the first word of its help line
// when that is the keyword, else as the grammar spells it.
std::string displayForm(const std::string& keyword)
{
    const char* help = KeywordHelp::line(keyword.c_str());
    if (help) {
        std::string first;
        for (const char* p = help; *p && (std::isalnum(static_cast<unsigned char>(*p)) || *p == '.'); ++p)
            first += *p;
        if (SourceScanner::lower(first) == keyword)
            return first;
    }
    return keyword;
}

} // namespace

std::vector<std::string> Completion::expectedAfter(const std::string& name, const std::string& prefix)
{
    std::string text = prefix + " " + sentinel + "\n";
    int line = 1 + static_cast<int>(std::count(prefix.begin(), prefix.end(), '\n'));
    std::vector<std::string> expected;
    {
        ReportCapture capture;
        kivparser::SourceText source{name.c_str(), text.data(), text.size()};
        kivparser::KivParser* parser = new (std::nothrow) kivparser::KivParser(source, nullptr, nullptr, nullptr, nullptr, 0);
        if (parser) {
            delete parser->getAppReg();
            delete parser->getSymReg();
            delete parser->getFldReg();
            delete parser->getSnmppvReg();
            delete parser;
        }
        for (const auto& entry : capture.byFile()) {
            for (const CapturedReport& report : entry.second) {
                if (report.syntax && report.line == line && report.token == sentinel)
                    expected = report.expected;
            }
        }
    }
    // A conditional left open by the prefix must not reach the next parse
    // (the state of #ifdef outlives a file): an #endif alone closes it.
    {
        ReportCapture quiet;
        static const char endif[] = "#endif\n";
        kivparser::SourceText source{name.c_str(), endif, sizeof endif - 1};
        kivparser::KivParser closing(source, nullptr, nullptr, nullptr, nullptr, 0);
    }
    return expected;
}

Json Completion::at(const Workspace::File& file, const TextPosition& position)
{
    Json items = Json::array();
    const TextDocument* text = files.text(file.name);
    if (!text)
        return items;
    std::size_t offset = text->offsetAt(position, positionUnits);
    SourceScanner scanner(text->text());
    CursorContext context(scanner, offset);
    auto range = [&](std::size_t from, std::size_t to) {
        return Json{{"start", Diagnostics::position(text->positionAt(from, positionUnits))},
                    {"end", Diagnostics::position(text->positionAt(to, positionUnits))}};
    };

    if (context.typing != NameKind::None) {
        // Names: the application's own actions and menus, the lists of all.
        int kind = context.typing == NameKind::Action ? ItemFunction
                   : context.typing == NameKind::List ? ItemEnum
                                                      : ItemModule;
        bool quoted = context.typedFrom < offset && text->text()[context.typedFrom] == '"';
        std::size_t from = quoted ? context.typedFrom + 1 : offset;
        const char* detail = context.typing == NameKind::Action      ? "action"
                             : context.typing == NameKind::List      ? "list"
                             : context.typing == NameKind::PopupMenu ? "popup menu"
                                                                     : "menu";
        std::vector<std::string> names = ModelLookup::names(files, context.typing, context.application);
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        for (const std::string& name : names) {
            items.push_back({{"label", name},
                             {"kind", kind},
                             {"detail", detail},
                             {"filterText", quoted ? name : "\"" + name},
                             {"textEdit", {{"range", range(from, offset)}, {"newText", quoted ? name : "\"" + name + "\""}}}});
        }
        return items;
    }
    if (scanner.inCommentOrString(offset))
        return items;

    // Keywords: the word being typed is left out of the prefix.
    std::size_t start = offset;
    while (start > 0 && (std::isalnum(static_cast<unsigned char>(text->text()[start - 1])) ||
                         text->text()[start - 1] == '.' || text->text()[start - 1] == '_'))
        start--;
    std::vector<std::string> expected = expectedAfter(file.name, text->text().substr(0, start));
    for (const std::string& spelling : expected) {
        // Keywords are spelt in quotes; values ("a string") are not offered.
        if (spelling.size() < 3 || spelling.front() != '\'' || spelling.back() != '\'' ||
            !std::isalpha(static_cast<unsigned char>(spelling[1])))
            continue;
        std::string keyword = spelling.substr(1, spelling.size() - 2);
        std::string shown = displayForm(SourceScanner::lower(keyword));
        Json item = {{"label", shown},
                     {"kind", ItemKeyword},
                     {"textEdit", {{"range", range(start, offset)}, {"newText", shown}}}};
        if (const char* help = KeywordHelp::line(SourceScanner::lower(keyword).c_str()))
            item["detail"] = help;
        items.push_back(std::move(item));
    }
    return items;
}
