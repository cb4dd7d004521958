#ifndef KIVPARSER_TOOL_PREVIEWPAGE_H
#define KIVPARSER_TOOL_PREVIEWPAGE_H

#include "MenuTree.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class ActionFacts;
class PreviewBitmaps;

// The preview page of the merged menus: one self-contained HTML document
// (style sheet and script inline, nothing fetched) that draws the menu bar
// with its drop-down menus and cascades, the toolbar, a popup menu per target
// symbol type, the tabs and the lists no tab opens, each entry coloured by the
// application that contributed it; a side panel shows what a chosen entry
// runs. The page is complete without its script (every menu then stands
// open); the script opens and closes menus on hover and from the keyboard and
// fills the panel from hidden blocks of the page. Every text of the
// registration is HTML-escaped.
class PreviewPage {
public:
    PreviewPage(const MenuTree& tree, PreviewBitmaps& bitmaps);

    // The document; `rankedFor` and `folded` say how the menus were loaded.
    std::string html(const char* rankedFor, bool folded);

    // Cascade levels drawn below a menu bar, popup item or tab; deeper
    // entries are summed up in one line.
    static const int maxDepth = 24;

    // "Ctrl+N" for the accelerator Ctrl<Key>N, "+" for ~Shift<Key>plus.
    static std::string keyText(const char* accelerator);

private:
    using Range = std::pair<std::size_t, std::size_t>;

    void head(const char* rankedFor, bool folded);
    void menuBar();
    void toolbar();
    void popupMenus();
    void containers(MenuTree::Section section, const char* title, const char* intro);
    void entries(const std::vector<Range>& ranges, int depth);
    void item(std::size_t at, const char* role, bool opens);
    void label(const MenuTree::Node& node);
    void details();
    void entryDetails(std::size_t at);
    void actionDetails(const ActionFacts& facts, const std::string& id);
    void legend();

    std::size_t sectionStart(MenuTree::Section section) const;
    std::size_t subtreeEnd(std::size_t at) const;
    std::size_t nextShown(std::size_t at) const;
    bool opensContainer(const MenuTree::Node& node) const;
    std::string appClass(const kivparser::Application* app) const;
    std::string actionId(kivparser::Action* action);
    void row(const char* name, const std::string& html, const char* field = nullptr);

    const MenuTree& tree;
    const std::vector<MenuTree::Node>& nodes;
    PreviewBitmaps& bitmaps;
    std::map<const kivparser::Application*, std::size_t> appIndex;
    std::map<kivparser::Action*, std::string> actionIds;
    std::vector<kivparser::Action*> actionOrder;
    std::vector<char> drawn; // per node: its element is on the page
    std::string out;
};

#endif
