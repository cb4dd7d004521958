#ifndef KIVPARSER_TOOL_MENUTREE_H
#define KIVPARSER_TOOL_MENUTREE_H

#include <kivparser/kivparser.h>

#include <cstddef>
#include <string>
#include <vector>

// The merged menus of an application registration as the map shows them: the
// menu bars in their order with their entries, the toolbar, the popup items,
// the tabs and the lists that no tab opens, every cascade, popup menu and list
// that an entry opens nested below the entry. The tree is held flat, in the
// order it is shown (each node before the nodes below it), so that the
// writers never nest calls as deep as the links go. The registration belongs
// to the tree; nodes point into it.
class MenuTree {
public:
    enum class Section { MenuBars, Toolbar, PopupItems, Tabs, Lists };

    enum class Kind {
        Heading,     // a section: "Menu bars", "Toolbar" ...
        Container,   // a menu bar, a tab, or a list that no tab opens
        Entry,       // an entry of one of them, of the toolbar or the popup items, or of a linked container
        ExtraAction, // a further action of the entry before it (one label, several actions)
        Cut          // the place where the tree stops growing (see maxNodes)
    };

    // What an entry does when chosen.
    enum class Does {
        Nothing,   // no function
        Action,    // runs an action (also a folded cascade)
        Submenu,   // opens a cascade (f.menu of a menu entry)
        PopupMenu, // opens a popup menu (f.menu of a popup item)
        List,      // opens a list (f.list of a list item)
        Command,   // runs a shell command (!)
        Function   // another function, kept as written
    };

    // Why an entry's target is not what it names.
    enum class Problem {
        None,
        Undefined,       // the action, menu or list it names was never defined
        Incomplete,      // the action's definition broke off: no role may run it
        NoName,          // the function names nothing
        CycleRefused,    // the link was refused when read: it would have closed a cycle
        NotLinked,       // no link for another reason (a toolbar button naming a menu)
        CycleNotFollowed // the link leads back into a container above it; not followed
    };

    // The kind of entries a container holds.
    enum class ItemType { Menu, Popup, Toolbar, List };

    struct Node {
        Section section;
        Kind kind;
        int depth;                           // 0 for headings, 1 for what a section lists directly
        std::size_t parent;                  // index of the node above it (headings: itself)
        bool last;                           // no later node shares its parent (extra actions excepted)
        ItemType itemType;                   // of an entry: its class
        kivparser::_MenuItem* item;          // the entry (Entry, ExtraAction)
        kivparser::_Menu* container;         // the container (Container); what an entry opens
        kivparser::Application* application; // who contributed it
        Does does;
        const char* name;       // the action, container, command or function named
        const char* foldedFrom; // a folded cascade: the menu its function names
        kivparser::Action* action;
        Problem problem;
        std::size_t count; // headings: the number of nodes directly below
    };

    // The --help lines of the options that say how to load (--path, --app,
    // --fold).
    static const char* const optionHelp;

    // Nodes of a tree stop at this count; one Cut node says so. Chains of links
    // of any depth fit; only links that fan out again and again (one menu
    // opened by many entries of a menu opened by many entries...) reach it.
    static const std::size_t maxNodes = 100000;

    MenuTree() = default;
    ~MenuTree();
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;

    // Loads the application registrations from `path` (null: the standard
    // directories), ranked for the program `app` (setArfPriorities; null: none),
    // folds single-action cascades when `fold`, and builds the tree. False when
    // no registration was found.
    bool load(const char* path, const char* app, bool fold);
    // Builds the tree of a registration; the tree takes it over.
    void build(kivparser::ApplicationRegistration* registration);

    kivparser::ApplicationRegistration* registration() const { return reg; }
    const std::vector<Node>& nodes() const { return all; }

    // The applications of the registration, in its order.
    std::vector<kivparser::Application*> applications() const;

    // Texts of the model for the writers.
    static const char* sectionTitle(Section section);
    // "submenu", "popup menu", "list", "action", "command", "function".
    static const char* doesWord(Does does);
    // "never defined", "names nothing", ...
    static const char* problemText(Problem problem);
    // The key of a problem in the JSON document: "undefined", "noName" ...
    static const char* problemKey(Problem problem);
    // The mnemonic of an entry or menu bar; null when it has none.
    static const char* mnemonicOf(const Node& node);
    static const char* accelerator(const Node& node);
    static const char* label(const Node& node);
    static int precedence(const Node& node);
    // "! command" or f.type "argument", as written; empty without a function.
    static std::string functionText(const kivparser::Function* function);

private:
    struct Frame;

    void section(Section section);
    void walk(Section section, kivparser::_MenuItem* first, ItemType type, kivparser::_Menu* outer);
    std::size_t addEntry(Section section, int depth, kivparser::_MenuItem* item, ItemType type);
    std::size_t push(const Node& node);
    bool full();
    void describe(Node& node);
    void linkParents();

    kivparser::ApplicationRegistration* reg = nullptr;
    std::vector<Node> all;
    std::vector<kivparser::_Menu*> shownLists; // lists opened below the tabs
    bool cut = false;
};

#endif
