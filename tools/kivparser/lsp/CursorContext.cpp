#include "lsp/CursorContext.h"

namespace {

using Type = SourceScanner::Type;

bool isFunction(const SourceScanner::Token& token, const char* name)
{
    return token.type == Type::Word && SourceScanner::lower(token.text) == name;
}

bool isName(const SourceScanner::Token& token)
{
    return token.type == Type::String || token.type == Type::Word;
}

} // namespace

NameKind CursorContext::kindOfKeyword(const std::string& keyword)
{
    static const struct {
        const char* word;
        NameKind kind;
    } table[] = {
        {"application", NameKind::Application}, {"menubar", NameKind::MenuBar},
        {"menu", NameKind::Menu},               {"popupmenu", NameKind::PopupMenu},
        {"action", NameKind::Action},           {"dropaction", NameKind::DropAction},
        {"list", NameKind::List},               {"tab", NameKind::Tab},
        {"symbolclass", NameKind::SymbolClass}, {"symboltype", NameKind::SymbolType},
        {"field", NameKind::Field},             {"cgi", NameKind::Cgi},
    };
    for (const auto& entry : table) {
        if (keyword == entry.word)
            return entry.kind;
    }
    return NameKind::None;
}

NameKind CursorContext::kindOfFunction(const SourceScanner& scanner, std::size_t function)
{
    const SourceScanner::Token& token = scanner.tokens()[function];
    if (isFunction(token, "f.action"))
        return NameKind::Action;
    if (isFunction(token, "f.list"))
        return NameKind::List;
    if (!isFunction(token, "f.menu"))
        return NameKind::None;
    const SourceScanner::Token& head = scanner.tokens()[scanner.statementStart(function)];
    return head.type == Type::Word && SourceScanner::lower(head.text) == "popupitem" ? NameKind::PopupMenu
                                                                                    : NameKind::Menu;
}

long CursorContext::headingName(const SourceScanner& scanner, std::size_t head, std::size_t open)
{
    const auto& tokens = scanner.tokens();
    if (head >= tokens.size() || tokens[head].type != Type::Word)
        return -1;
    bool afterColon = SourceScanner::lower(tokens[head].text) == "symboltype";
    bool colonSeen = false;
    int angle = 0;
    for (std::size_t i = head + 1; i < open && i < tokens.size(); i++) {
        const SourceScanner::Token& token = tokens[i];
        if (token.type == Type::Sign) {
            angle += token.text == "<" ? 1 : token.text == ">" ? -1 : 0;
            colonSeen = colonSeen || token.text == ":";
            continue;
        }
        if (angle > 0 || (afterColon && !colonSeen))
            continue;
        if (isName(token))
            return static_cast<long>(i);
    }
    return -1;
}

CursorContext::CursorContext(const SourceScanner& scanner, std::size_t offset)
{
    const auto& tokens = scanner.tokens();
    long at = scanner.tokenAt(offset);
    // Right after a word the cursor still counts as on it; between a
    // function and its name the name is being typed.
    long before = scanner.tokenBefore(offset);
    token = at;

    // The application block around the cursor.
    std::size_t anchor = at >= 0 ? static_cast<std::size_t>(at) : before >= 0 ? static_cast<std::size_t>(before) : 0;
    for (const SourceScanner::Block& block : scanner.blocks()) {
        if (block.open > anchor)
            break;
        if (block.close < anchor || block.depth != 0)
            continue;
        const SourceScanner::Token& head = tokens[block.head];
        if (head.type == Type::Word && SourceScanner::lower(head.text) == "application") {
            long name = headingName(scanner, block.head, block.open);
            if (name >= 0)
                application = tokens[name].text;
        }
    }

    // Typing a name: in the string after a function, or after the function
    // and blanks with nothing yet.
    if (at >= 0 && tokens[at].type == Type::String && at > 0 && kindOfFunction(scanner, at - 1) != NameKind::None &&
        offset > tokens[at].start) {
        typing = kindOfFunction(scanner, at - 1);
        typedFrom = tokens[at].start;
    } else if (before >= 0 && tokens[before].end < offset && kindOfFunction(scanner, before) != NameKind::None) {
        typing = kindOfFunction(scanner, before);
        typedFrom = offset;
    }

    if (at < 0)
        return;
    const SourceScanner::Token& here = tokens[at];
    if (scanner.inCommentOrString(offset) && here.type != Type::String)
        return;
    if (isName(here) && at > 0) {
        NameKind used = kindOfFunction(scanner, at - 1);
        if (used != NameKind::None) {
            what = What::Use;
            kind = used;
            name = here.text;
            return;
        }
    }
    // A block's name: the statement it starts goes on to a "{".
    if (isName(here)) {
        std::size_t head = scanner.statementStart(at);
        std::size_t open = at;
        while (open < tokens.size() && !(tokens[open].type == Type::Sign &&
                                         (tokens[open].text == "{" || tokens[open].text == ";" || tokens[open].text == "}")))
            open++;
        if (open < tokens.size() && tokens[open].text == "{" && headingName(scanner, head, open) == at) {
            NameKind defined = kindOfKeyword(SourceScanner::lower(tokens[head].text));
            if (defined != NameKind::None) {
                what = What::Definition;
                kind = defined;
                name = here.text;
                if (defined == NameKind::SymbolType) {
                    for (std::size_t i = head + 1; i < static_cast<std::size_t>(at); i++) {
                        if (isName(tokens[i])) {
                            symbolClass = tokens[i].text;
                            break;
                        }
                    }
                }
                return;
            }
        }
    }
    if (here.type == Type::Word) {
        what = What::Keyword;
        keyword = SourceScanner::lower(here.text);
    }
}
