#ifndef KIVPARSER_TOOL_MENUTREEJSON_H
#define KIVPARSER_TOOL_MENUTREEJSON_H

#include "MenuTree.h"

#include <cstdio>
#include <vector>

class ActionFacts;

// The merged menus as one JSON document, the same tree as the text form:
//
//   {"rankedFor": ..., "folded": ..., "applications": [...],
//    "menuBars": [{"name": ..., "mnemonic": ..., "precedence": ..., "application": ...,
//                  "entries": [ENTRY...]}],
//    "toolbar": [ENTRY...], "popupItems": [ENTRY...],
//    "tabs": [{"name": ..., "precedence": ..., "icon": ..., "activeHelp": [...],
//              "application": ..., "entries": [...]}],
//    "lists": [...]}
//
// An ENTRY holds its label and settings, what it does ("does", "name",
// "problem", "foldedFrom"), the actions it runs with what each needs and does
// ("actions"), and, when it opens a cascade, popup menu or list, that
// container's entries ("entries"). Texts go through the library's JSON string
// writer; nesting as deep as the links is written without recursion.

class MenuTreeJson {
public:
    explicit MenuTreeJson(std::FILE* out);

    // `rankedFor` and `folded` say how the registration was loaded.
    void write(const MenuTree& tree, const char* rankedFor, bool folded);

private:
    void container(const MenuTree::Node& node);
    void entry(const std::vector<MenuTree::Node>& nodes, std::size_t at);
    void action(const MenuTree::Node& node, bool withEntry);
    void facts(const ActionFacts& facts);

    // The small JSON syntax: separators as the document goes.
    void key(const char* name);
    void string(const char* text);
    void number(long value);
    void boolean(bool value);
    void null();
    void open(char bracket);
    void close(char bracket);
    void strings(const std::vector<std::string>& texts);

    std::FILE* out;
    const kivparser::ApplicationRegistration* root = nullptr; // of the tree being written
    bool needComma = false;
};

#endif
