#include "lsp/Outline.h"

#include "lsp/Diagnostics.h"
#include "lsp/SourceScanner.h"

#include <cstring>

namespace {

// SymbolKind of the protocol.
enum SymbolKind {
    KindModule = 2,
    KindNamespace = 3,
    KindPackage = 4,
    KindClass = 5,
    KindMethod = 6,
    KindField = 8,
    KindInterface = 11,
    KindFunction = 12,
    KindArray = 18,
    KindStruct = 23,
    KindEvent = 24
};

struct BlockKind {
    const char* keyword; // in lower case
    const char* detail;
    int kind;
};

const BlockKind blockKinds[] = {
    {"application", "application", KindModule},
    {"menubar", "menu bar", KindNamespace},
    {"menu", "menu", KindPackage},
    {"popupmenu", "popup menu", KindPackage},
    {"action", "action", KindFunction},
    {"dropaction", "drop action", KindEvent},
    {"tab", "tab", KindInterface},
    {"list", "list", KindArray},
    {"symbolclass", "symbol class", KindClass},
    {"symboltype", "symbol type", KindStruct},
    {"field", "field", KindField},
    {"cgi", "CGI program", KindMethod},
};

const BlockKind* kindOf(const std::string& word)
{
    std::string lower = SourceScanner::lower(word);
    for (const BlockKind& kind : blockKinds) {
        if (lower == kind.keyword)
            return &kind;
    }
    return nullptr;
}

// The name of a block: the first string or word after the keyword and its
// precedence; of a symbol type (`afterColon`) the one after the colon. The
// index of its token, or -1.
long nameOf(const std::vector<SourceScanner::Token>& tokens, const SourceScanner::Block& block, bool afterColon)
{
    bool colonSeen = false;
    int angle = 0;
    for (std::size_t i = block.head + 1; i < block.open; i++) {
        const SourceScanner::Token& token = tokens[i];
        if (token.type == SourceScanner::Type::Sign) {
            angle += token.text == "<" ? 1 : token.text == ">" ? -1 : 0;
            colonSeen = colonSeen || token.text == ":";
            continue;
        }
        if (angle > 0 || (afterColon && !colonSeen))
            continue;
        if (token.type == SourceScanner::Type::String || token.type == SourceScanner::Type::Word)
            return static_cast<long>(i);
    }
    return -1;
}

} // namespace

nlohmann::json Outline::symbols(const Workspace::File& file)
{
    using Json = nlohmann::json;
    Json top = Json::array();
    const TextDocument* text = files.text(file.name);
    if (!text)
        return top;
    SourceScanner scanner(text->text());
    const auto& tokens = scanner.tokens();
    const auto& blocks = scanner.blocks();

    auto range = [&](std::size_t from, std::size_t to) {
        return Json{{"start", Diagnostics::position(text->positionAt(from, positionUnits))},
                    {"end", Diagnostics::position(text->positionAt(to, positionUnits))}};
    };

    // Blocks come in the order they open; each symbol goes below the symbol
    // of the innermost block around it that is one. The path holds, for each
    // open symbol, its closing token and where it is in the tree.
    struct Open {
        std::size_t close;
        Json* children;
    };
    std::vector<Open> path;
    // Symbols are put in place at once; the tree grows only at its ends,
    // so pointers into it are taken afresh from the path.
    for (const SourceScanner::Block& block : blocks) {
        while (!path.empty() && path.back().close < block.open)
            path.pop_back();
        const SourceScanner::Token& head = tokens[block.head];
        if (head.type != SourceScanner::Type::Word)
            continue;
        const BlockKind* kind = kindOf(head.text);
        if (!kind)
            continue;
        bool afterColon = std::strcmp(kind->keyword, "symboltype") == 0;
        long name = nameOf(tokens, block, afterColon);
        if (name < 0)
            continue;
        const SourceScanner::Token& nameToken = tokens[name];
        Json symbol = {
            {"name", nameToken.text.empty() ? std::string("\"\"") : nameToken.text},
            {"detail", kind->detail},
            {"kind", kind->kind},
            {"range", range(head.start, tokens[block.close].end)},
            {"selectionRange", range(nameToken.start, nameToken.end)},
            {"children", Json::array()},
        };
        // A symbol type goes below its class when the file defines the class
        // before it (types are blocks of their own at the top of the file).
        Json* siblings = path.empty() ? &top : path.back().children;
        if (afterColon && path.empty()) {
            const SourceScanner::Token& owner = tokens[block.head + 1];
            bool named = owner.type == SourceScanner::Type::String || owner.type == SourceScanner::Type::Word;
            for (Json& candidate : top) {
                if (named && candidate["detail"] == "symbol class" && candidate["name"] == owner.text)
                    siblings = &candidate["children"];
            }
        }
        siblings->push_back(std::move(symbol));
        if (siblings != &top && path.empty())
            continue; // nothing nests in a type's block that the outline shows
        path.push_back(Open{block.close, &siblings->back()["children"]});
    }
    return top;
}
