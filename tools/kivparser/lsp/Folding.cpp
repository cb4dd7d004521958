#include "lsp/Folding.h"

#include "lsp/SourceScanner.h"

nlohmann::json Folding::ranges(const Workspace::File& file)
{
    nlohmann::json list = nlohmann::json::array();
    const TextDocument* text = files.text(file.name);
    if (!text)
        return list;
    SourceScanner scanner(text->text());
    const auto& tokens = scanner.tokens();
    // Lines only: the units do not matter.
    auto lineOf = [text](std::size_t offset) { return text->positionAt(offset, TextDocument::Units::Utf8).line; };
    for (const SourceScanner::Block& block : scanner.blocks()) {
        int first = lineOf(tokens[block.head].start);
        int last = lineOf(tokens[block.close].start);
        if (last > first)
            list.push_back({{"startLine", first}, {"endLine", last}, {"kind", "region"}});
    }
    for (const auto& comment : scanner.comments()) {
        int first = lineOf(comment.first);
        int last = lineOf(comment.second > 0 ? comment.second - 1 : 0);
        if (last > first)
            list.push_back({{"startLine", first}, {"endLine", last}, {"kind", "comment"}});
    }
    return list;
}
