#ifndef KIVPARSER_TOOL_MENUTREETEXT_H
#define KIVPARSER_TOOL_MENUTREETEXT_H

#include "MenuTree.h"

#include <cstdio>
#include <string>
#include <vector>

// The merged menus as a compact tree for the terminal, one entry a line:
//
//   Menu bars:
//   F̲ile  <100>  (ZETA Taluna Varnel Map)
//   ├─ N̲ew Submap...  [Ctrl<Key>N]  <100>  → action "New Submap"  (ZETA Taluna Varnel Map)
//
// Drawn with box-drawing characters, an arrow and a combining underline under
// the mnemonic in a UTF-8 locale; otherwise (or when asked) in plain ASCII,
// the mnemonic with an underscore before it. Control characters of the texts
// are written as escapes, so that no text of a file can steer the terminal;
// the other bytes are written as the files hold them.
class MenuTreeText {
public:
    MenuTreeText(std::FILE* out, bool ascii);

    void write(const MenuTree& tree);

    // Whether the character-type locale's code set is UTF-8.
    static bool localeIsUtf8();

    // Levels of nesting drawn; deeper lines say how many levels they skip.
    static const std::size_t maxDrawnLevels = 30;

    // The characters the tree is drawn with.
    struct Glyphs;

private:
    void line(const MenuTree::Node& node, std::size_t level);
    void entryText(const MenuTree::Node& node);
    void prefix(std::size_t levels);
    void labelText(const char* label, const char* mnemonic);
    void text(const char* begin, const char* end);
    void text(const char* value);

    std::FILE* out;
    const Glyphs& glyphs;
    bool utf8;                // the locale's code set is UTF-8
    std::vector<char> guides; // per drawn level: the line of an open parent goes on
    std::string buffer;
};

#endif
