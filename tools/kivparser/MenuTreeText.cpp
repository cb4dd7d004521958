#include "MenuTreeText.h"

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>

struct MenuTreeText::Glyphs {
    const char* branch; // an entry with more entries after it
    const char* lastBranch;
    const char* guide; // the line of a parent whose entries go on
    const char* space;
    const char* action;
    const char* opens;
    const char* problem;
    const char* skipped;   // before the count of levels not drawn
    const char* underline; // after the mnemonic character; null: "_" before it
};

namespace {

const MenuTreeText::Glyphs unicode = {"\u251c\u2500 ", "\u2514\u2500 ", "\u2502  ", "   ",   "\u2192 ",
                                      "\u25b8 ",       "\u26a0 ",       "\u22ef",   "\u0332"};
const MenuTreeText::Glyphs ascii = {"|- ", "`- ", "|  ", "   ", "-> ", "> ", "!! ", "...", nullptr};

} // namespace

MenuTreeText::MenuTreeText(std::FILE* theOut, bool plainAscii)
    : out(theOut), glyphs(plainAscii ? ascii : unicode), utf8(localeIsUtf8())
{
}

bool MenuTreeText::localeIsUtf8()
{
    const char* name = std::setlocale(LC_CTYPE, nullptr);
    if (!name)
        return false;
    std::string lower;
    for (const char* p = name; *p; ++p) {
        if (*p != '-' && *p != '_')
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    }
    return lower.find("utf8") != std::string::npos;
}

void MenuTreeText::write(const MenuTree& tree)
{
    const std::vector<MenuTree::Node>& nodes = tree.nodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const MenuTree::Node& node = nodes[i];
        buffer.clear();
        if (node.kind == MenuTree::Kind::Heading) {
            if (i > 0)
                buffer += "\n";
            buffer += MenuTree::sectionTitle(node.section);
            buffer += node.count ? ":" : ": none";
            buffer += "\n";
            std::fputs(buffer.c_str(), out);
            guides.clear();
            continue;
        }
        // Menu bars, tabs and lists stand at the left; the entries of the
        // toolbar and the popup items hang under their heading.
        bool rooted = node.section == MenuTree::Section::Toolbar || node.section == MenuTree::Section::PopupItems;
        std::size_t level = static_cast<std::size_t>(node.depth) - (rooted ? 0 : 1);
        line(node, level);
        buffer += "\n";
        std::fputs(buffer.c_str(), out);
    }
}

void MenuTreeText::line(const MenuTree::Node& node, std::size_t level)
{
    if (node.kind == MenuTree::Kind::ExtraAction) {
        // Under the entry that carries it, where its first entry below would be.
        prefix(level - 1);
        buffer += "+ ";
        entryText(node);
        return;
    }
    if (level > 0) {
        prefix(level - 1);
        buffer += node.last ? glyphs.lastBranch : glyphs.branch;
        if (guides.size() <= level)
            guides.resize(level + 1);
        guides[level] = !node.last;
    }
    if (node.kind == MenuTree::Kind::Cut) {
        buffer += glyphs.skipped;
        buffer += " the tree stops here: it has more than " + std::to_string(MenuTree::maxNodes) + " entries";
        return;
    }
    if (node.kind == MenuTree::Kind::Container) {
        labelText(node.name, MenuTree::mnemonicOf(node));
        buffer += "  <" +
                  (node.container->precedence < 0 ? std::string("-") : std::to_string(node.container->precedence)) +
                  ">";
        buffer += "  (";
        text(node.application ? node.application->appName : "no application");
        buffer += ")";
        return;
    }
    entryText(node);
}

// Label, accelerator, precedence, target, what the entry does, its problem,
// and who contributed it. An extra action shows no label of its own.
void MenuTreeText::entryText(const MenuTree::Node& node)
{
    bool extra = node.kind == MenuTree::Kind::ExtraAction;
    if (!extra) {
        if (node.item->isBitmap == 1)
            buffer += "@";
        labelText(node.item->label, MenuTree::mnemonicOf(node));
        if (const char* accelerator = MenuTree::accelerator(node)) {
            if (*accelerator) {
                buffer += "  [";
                text(accelerator);
                buffer += "]";
            }
        }
    }
    int precedence = node.item->precedence;
    std::string precedenceText = "<" + (precedence < 0 ? std::string("-") : std::to_string(precedence)) + ">  ";
    if (!extra)
        buffer += "  " + precedenceText;
    if (node.itemType == MenuTree::ItemType::Popup) {
        const char* target = static_cast<kivparser::PopupItem*>(node.item)->targetSymbolType;
        if (target) {
            buffer += "for \"";
            text(target);
            buffer += "\"  ";
        }
    }
    switch (node.does) {
    case MenuTree::Does::Action:
    case MenuTree::Does::Submenu:
    case MenuTree::Does::PopupMenu:
    case MenuTree::Does::List:
        if (!extra)
            buffer += node.does == MenuTree::Does::Action ? glyphs.action : glyphs.opens;
        buffer += MenuTree::doesWord(node.does);
        if (node.name) {
            buffer += " \"";
            text(node.name);
            buffer += "\"";
        }
        if (node.foldedFrom) {
            buffer += " (folded from submenu \"";
            text(node.foldedFrom);
            buffer += "\")";
        }
        break;
    case MenuTree::Does::Command:
    case MenuTree::Does::Function:
        text(MenuTree::functionText(node.item->function).c_str());
        break;
    case MenuTree::Does::Nothing:
        buffer += "(no function)";
        break;
    }
    if (extra)
        buffer += "  " + precedenceText.substr(0, precedenceText.size() - 2);
    if (node.problem != MenuTree::Problem::None) {
        buffer += "  ";
        buffer += glyphs.problem;
        buffer += MenuTree::problemText(node.problem);
    }
    buffer += "  (";
    text(node.application ? node.application->appName : "no application");
    buffer += ")";
}

// The guides of the parents' levels 1 to `levels`; past the drawn depth, the
// number of levels left out.
void MenuTreeText::prefix(std::size_t levels)
{
    std::size_t drawn = levels < maxDrawnLevels ? levels : maxDrawnLevels;
    for (std::size_t level = 1; level <= drawn; ++level)
        buffer += level < guides.size() && guides[level] ? glyphs.guide : glyphs.space;
    if (levels > drawn)
        buffer += std::string(glyphs.skipped) + std::to_string(levels - drawn) + " levels" + glyphs.skipped + " ";
}

// The label with its mnemonic marked: the first occurrence of a one-character
// mnemonic is underlined (or preceded by "_"); any other mnemonic follows the
// label as " (_M)".
void MenuTreeText::labelText(const char* label, const char* mnemonic)
{
    if (!label)
        label = "";
    std::size_t length = mnemonic ? std::strlen(mnemonic) : 0;
    const char* at = length ? std::strstr(label, mnemonic) : nullptr;
    bool oneCharacter = length && std::mblen(mnemonic, length) == static_cast<int>(length);
    std::mblen(nullptr, 0);
    if (at && oneCharacter) {
        text(label, at);
        if (!glyphs.underline)
            buffer += "_";
        text(at, at + length);
        if (glyphs.underline)
            buffer += glyphs.underline;
        text(at + length);
        return;
    }
    text(label);
    if (length) {
        buffer += " (_";
        text(mnemonic);
        buffer += ")";
    }
}

void MenuTreeText::text(const char* value)
{
    text(value, value + std::strlen(value));
}

// The bytes as they are, but control characters as escapes (in UTF-8 also
// those of U+0080 to U+009F, which some terminals obey).
void MenuTreeText::text(const char* begin, const char* end)
{
    static const char hex[] = "0123456789abcdef";
    for (const char* p = begin; p < end; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (utf8 && c == 0xc2 && p + 1 < end && static_cast<unsigned char>(p[1]) <= 0x9f &&
            static_cast<unsigned char>(p[1]) >= 0x80) {
            unsigned char control = static_cast<unsigned char>(*++p);
            buffer += "\\u00";
            buffer += hex[control >> 4];
            buffer += hex[control & 15];
            continue;
        }
        if (c >= 0x20 && c != 0x7f) {
            buffer += static_cast<char>(c);
            continue;
        }
        switch (c) {
        case '\n':
            buffer += "\\n";
            break;
        case '\t':
            buffer += "\\t";
            break;
        case '\r':
            buffer += "\\r";
            break;
        default: {
            buffer += "\\x";
            buffer += hex[c >> 4];
            buffer += hex[c & 15];
        }
        }
    }
}
