#ifndef KIVPARSER_TOOL_LSP_CURSORCONTEXT_H
#define KIVPARSER_TOOL_LSP_CURSORCONTEXT_H

#include "lsp/SourceScanner.h"

#include <string>

// What a name in a registration file stands for.
enum class NameKind {
    None,
    Application,
    MenuBar,
    Menu,
    PopupMenu,
    Action,
    DropAction,
    List,
    Tab,
    SymbolClass,
    SymbolType,
    Field,
    Cgi
};

// What the cursor is on in a file: a keyword, a name where a block defines
// it (Menu "Tools" {), a name that an entry uses (f.menu "Tools", f.action,
// f.list, a popup item's f.menu), or the place right after such a function
// where a name is being typed; and the application whose block holds the
// cursor.
class CursorContext {
public:
    enum class What { Nothing, Keyword, Definition, Use };

    CursorContext(const SourceScanner& scanner, std::size_t offset);

    What what = What::Nothing;
    NameKind kind = NameKind::None;
    std::string name;        // the name, as its string holds it
    std::string keyword;     // What::Keyword: the word in lower case
    std::string application; // the name of the application block around the cursor; empty: none
    std::string symbolClass; // a symbol type's class
    long token = -1;         // the token the cursor is on
    // After f.action, f.menu or f.list, typing a name (the cursor in its
    // string or right after the function): what names fit there.
    NameKind typing = NameKind::None;
    std::size_t typedFrom = 0; // where the name being typed starts (its quote)

    // The function word (f.menu ...) of a use, in lower case, and the kind of
    // name it takes in the statement at `token` (popup items open popup
    // menus).
    static NameKind kindOfFunction(const SourceScanner& scanner, std::size_t function);
    // The kind of name a block keyword defines (in lower case), or None.
    static NameKind kindOfKeyword(const std::string& keyword);
    // The token that names the block whose statement starts at `head` and
    // whose "{" is at `open`, or -1: the first string or word after the
    // keyword and its precedence; of a symbol type the one after the colon.
    static long headingName(const SourceScanner& scanner, std::size_t head, std::size_t open);
};

#endif
