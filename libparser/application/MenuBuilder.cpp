#include "application/MenuBuilder.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/MenuItem.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "application/PrecedencePlacement.h"
#include "kivparser/application/ToolbarButton.h"
#include "language/BuilderContext.h"
#include "language/ReportDetails.h"
#include "language/GrammarActions.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/language/ParserErr.h"
#include "lists/SListOps.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <new>

namespace kivparser {

namespace {

// Menus merge silently: every block of a name adds its entries.
struct MenuDefinition : BuilderContext::Definition<Application, Menu, &Application::lookupMenu, &Application::newMenu> {
};

struct PopupMenuDefinition
    : BuilderContext::Definition<Application, PopupMenu, &Application::lookupPopupMenu,
                                 &Application::newPopupMenu> {
    static constexpr const char* kind = "PopupMenu";
};

// The entry list a popup-menu block collects until its end hands it over.
PopupItem* collected = nullptr;

// The values of one entry statement. The label and the texts are taken
// over; the function and the label kind are taken from the parser (which
// forgets them). What no entry takes over is released by the destructor.
struct Entry {
    Entry(int thePrecedence, char* theLabel, char* theMnemonic, char* theAccelerator, char* theContext,
          char* theTarget)
        : precedence(thePrecedence), label(theLabel), mnemonic(theMnemonic), accelerator(theAccelerator),
          context(theContext), target(theTarget)
    {
        KivParser* parser = KivParser::current;
        if (parser) {
            function = parser->curFunction;
            isBitmap = parser->curIsBitmap;
            parser->curFunction = nullptr;
            parser->curIsBitmap = -1;
        }
    }
    ~Entry()
    {
        free(label);
        free(mnemonic);
        free(accelerator);
        free(context);
        free(target);
        delete function;
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

    // Hands everything to the entry made by `make`; nomemory when it cannot
    // be made (the values are then released).
    template <class Item, class Make>
    Item* build(Make make)
    {
        Item* item = make();
        if (!item) {
            nomemory();
            return nullptr;
        }
        // Where the entry was written: the place of its label.
        SourceMap::defined(item, label);
        label = mnemonic = accelerator = context = target = nullptr;
        function = nullptr;
        return item;
    }

    MenuItem* menuItem()
    {
        return build<MenuItem>([this] {
            return new (std::nothrow)
                MenuItem(precedence, label, isBitmap, mnemonic, accelerator, context, function);
        });
    }
    PopupItem* popupItem()
    {
        return build<PopupItem>([this] {
            return new (std::nothrow) PopupItem(precedence, label, isBitmap, context, target, function);
        });
    }
    ToolbarButton* toolbarButton()
    {
        return build<ToolbarButton>(
            [this] { return new (std::nothrow) ToolbarButton(precedence, label, isBitmap, context, function); });
    }

    int precedence;
    char* label;
    char* mnemonic;
    char* accelerator;
    char* context;
    char* target;
    Function* function = nullptr;
    int isBitmap = -1;
};

// A label that the scanner could not copy means memory ran out.
bool labelPresent(const Entry& entry)
{
    if (!entry.label)
        nomemory();
    return entry.label != nullptr;
}

// Links a new popup item to its action and popup menu.
int linkPopup(PopupItem* item)
{
    if (item->linkAction())
        return 1;
    return item->linkPopupMenu();
}

// A second entry with the label of a cascade: the cascade's submenu moves to
// the current application's menus (first in the list), renamed when the new
// entry names a menu.
int moveCascade(MenuItem* existing, Entry& entry, Application* app)
{
    Menu* menus = app->refMenus();
    if (!menus)
        return 1;
    char* newName = nullptr;
    if (entry.function && entry.function->isType("menu")) {
        if (!entry.function->functionArg) {
            {
                ReportDetails details;
                details.atName(entry.label);
                warning(parserMsg(MSG_MISSING_MENU_NAME), entry.label);
            }
        } else {
            newName = _strdup(entry.function->functionArg);
            if (!newName) {
                nomemory();
                return 1;
            }
        }
    } else {
        {
            ReportDetails details;
            details.atName(entry.label);
            details.relatedTo(existing, "the first entry with this label");
            warning(parserMsg(MSG_DUP_MENUITEM_CASCADE), entry.label);
        }
    }
    Menu* submenu = static_cast<Menu*>(existing->menuLink);
    submenu->remove();
    if (newName) {
        free(submenu->menuID);
        submenu->menuID = newName;
        SListIndex::renamed(submenu);
    }
    menus->append(submenu);
    return 0;
}

// The end of a menu-bar or menu block: the menu counts one more completed
// block; the parser forgets it and its entry list.
template <class M>
int endMenuBlock(M* KivParser::*current, int check)
{
    KivParser* parser = BuilderContext::parser(check);
    if (!parser)
        return 1;
    M* menu = parser->*current;
    parser->curMenuItem = nullptr;
    parser->*current = nullptr;
    if (!menu) {
        internal(check);
        return 1;
    }
    menu->locked++;
    return 0;
}

} // namespace

void MenuBuilder::discardCollected()
{
    KivParser* parser = KivParser::current;
    if (parser && parser->curMenuItem == collected)
        parser->curMenuItem = nullptr;
    if (parser)
        parser->curPopupMenu = nullptr;
    SListOps::disposeList(collected);
    collected = nullptr;
}

int MenuBuilder::beginMenuBar(int precedence, char* name, char* mnemonic)
{
    ApplicationRegistration* reg = BuilderContext::current(&KivParser::curAppReg, CHECK_MENU_BAR);
    MenuBar* head = reg ? reg->refMenuBars() : nullptr;
    if (reg && !name)
        nomemory();
    if (!head || !name) {
        free(name);
        free(mnemonic);
        return 1;
    }
    discardCollected();
    SourceSpan place;
    bool placed = TokenPositions::spanOfText(name, &place);
    MenuBar* bar = PrecedencePlacement::define(head, reg->lookupMenuBar(name), name, precedence);
    if (bar && placed)
        SourceMap::definedAt(bar, place);
    if (!bar) {
        free(mnemonic);
        return 1;
    }
    bar->setMnemonic(mnemonic);
    MenuItem* items = bar->refMenuItems();
    if (!items)
        return 1;
    KivParser* parser = KivParser::current;
    parser->curMenuItem = items;
    parser->curMenuBar = bar;
    parser->curMenu = nullptr;
    return 0;
}

int MenuBuilder::endMenuBar()
{
    return endMenuBlock(&KivParser::curMenuBar, CHECK_END_MENU_BAR);
}

int MenuBuilder::beginMenu(char* name)
{
    Application* app = BuilderContext::ownerFor(&KivParser::curApplication, name, CHECK_MENU);
    if (!app)
        return 1;
    discardCollected();
    Menu* menu = BuilderContext::open<MenuDefinition>(app, name);
    MenuItem* items = menu ? menu->refMenuItems() : nullptr;
    if (!items)
        return 1;
    KivParser* parser = KivParser::current;
    parser->curMenuItem = items;
    parser->curMenu = menu;
    parser->curMenuBar = nullptr;
    return 0;
}

int MenuBuilder::endMenu()
{
    return endMenuBlock(&KivParser::curMenu, CHECK_END_MENU);
}

int MenuBuilder::beginPopupMenu(char* name)
{
    Application* app = BuilderContext::ownerFor(&KivParser::curApplication, name, CHECK_POPUP_MENU);
    if (!app)
        return 1;
    discardCollected();
    PopupMenu* menu = BuilderContext::open<PopupMenuDefinition>(app, name);
    if (!menu)
        return 1;
    // The block's entries are collected apart; its end decides whether the
    // popup menu takes them.
    collected = new (std::nothrow) PopupItem();
    if (!collected) {
        nomemory();
        return 1;
    }
    KivParser* parser = KivParser::current;
    parser->curMenuItem = collected;
    parser->curPopupMenu = menu;
    parser->curMenu = nullptr;
    parser->curMenuBar = nullptr;
    return 0;
}

int MenuBuilder::endPopupMenu()
{
    KivParser* parser = BuilderContext::parser(CHECK_END_POPUP_MENU);
    if (!parser)
        return 1;
    PopupMenu* menu = parser->curPopupMenu;
    if (!menu || !collected) {
        discardCollected();
        internal(CHECK_END_POPUP_MENU);
        return 1;
    }
    // A locked popup menu destroys the collected list.
    menu->setMenuItems(collected);
    collected = nullptr;
    menu->locked++;
    parser->curMenuItem = nullptr;
    parser->curPopupMenu = nullptr;
    return 0;
}

int MenuBuilder::menuItem(int precedence, char* label, char* mnemonic, char* accelerator, char* context)
{
    Entry entry(precedence, label, mnemonic, accelerator, context, nullptr);
    KivParser* parser = BuilderContext::parser(CHECK_MENU_ITEM);
    Application* app = BuilderContext::current(&KivParser::curApplication, CHECK_MENU_ITEM);
    MenuItem* items = parser ? static_cast<MenuItem*>(parser->curMenuItem) : nullptr;
    if (app && !items)
        internal(CHECK_MENU_ITEM);
    if (!app || !items || !labelPresent(entry))
        return 1;

    MenuItem* existing = static_cast<MenuItem*>(items->lookup_MenuItem(entry.label));
    if (!existing) {
        MenuItem* item = entry.menuItem();
        if (!item)
            return 1;
        items->add(item);
        if (item->linkAction())
            return 1;
        return item->linkMenu();
    }
    if (existing->menuLink)
        return moveCascade(existing, entry, app);
    Function* held = existing->function;
    if (held && held->isType("action") && entry.function && entry.function->isType("action")) {
        // One label, several actions: the further ones hang under the first.
        MenuItem* duplicates = existing->refDupMenuItems();
        if (!duplicates)
            return 1;
        MenuItem* item = entry.menuItem();
        if (!item)
            return 1;
        duplicates->add(item);
        return item->linkAction();
    }
    {
        ReportDetails details;
        details.atName(entry.label);
        details.relatedTo(existing, "the first entry with this label");
        warning(parserMsg(MSG_DUP_MENUITEM), entry.label);
    }
    return 0;
}

int MenuBuilder::popupItem(int precedence, char* label, char* context, char* targetSymbolType)
{
    Entry entry(precedence, label, nullptr, nullptr, context, targetSymbolType);
    ApplicationRegistration* reg = BuilderContext::current(&KivParser::curAppReg, CHECK_POPUP_ITEM);
    if (!reg || !labelPresent(entry))
        return 1;
    if (PopupItem* existing = reg->lookupPopupItem(entry.label)) {
        {
            ReportDetails details;
            details.atName(entry.label);
            details.relatedTo(existing, "first defined here");
            warning(parserMsg(MSG_DUPLICATE), "PopupItem", entry.label);
        }
        return 0;
    }
    if (!reg->refPopupItems())
        return 1;
    PopupItem* item = entry.popupItem();
    if (!item)
        return 1;
    reg->setPopupItems(item);
    return linkPopup(item);
}

int MenuBuilder::popupMenuItem(int precedence, char* label, char* context, char* targetSymbolType)
{
    Entry entry(precedence, label, nullptr, nullptr, context, targetSymbolType);
    KivParser* parser = BuilderContext::parser(CHECK_POPUP_MENU_ITEM);
    if (!parser)
        return 1;
    if (!collected || parser->curMenuItem != collected) {
        internal(CHECK_POPUP_MENU_ITEM);
        return 1;
    }
    if (!labelPresent(entry))
        return 1;
    PopupItem* item = entry.popupItem();
    if (!item)
        return 1;
    collected->add(item);
    return linkPopup(item);
}

int MenuBuilder::toolbarButton(int precedence, char* label, char* context)
{
    Entry entry(precedence, label, nullptr, nullptr, context, nullptr);
    ApplicationRegistration* reg = BuilderContext::current(&KivParser::curAppReg, CHECK_TOOLBAR_BUTTON);
    if (!reg || !labelPresent(entry) || !reg->refToolbarButtons())
        return 1;
    ToolbarButton* button = entry.toolbarButton();
    if (!button)
        return 1;
    reg->setToolbarButtons(button);
    return button->linkAction();
}

namespace {

int setLabel(char* text, int isBitmap, char** label)
{
    KivParser* parser = KivParser::current;
    if (parser)
        parser->curIsBitmap = isBitmap;
    *label = text;
    return 0;
}

// *joined becomes a + b + c (null parts count as empty); the parts taken
// over (`left`, `right`) are released. nomemory when it cannot be made.
int join(char* left, const char* a, const char* b, const char* c, char* right, char** joined)
{
    *joined = _strcpy3(a, b, c);
    free(left);
    free(right);
    if (!*joined) {
        nomemory();
        return 1;
    }
    return 0;
}

} // namespace

int MenuBuilder::textLabel(char* text, char** label)
{
    return setLabel(text, 0, label);
}

int MenuBuilder::bitmapLabel(char* path, char** label)
{
    return setLabel(path, 1, label);
}

int MenuBuilder::contextAnd(char* left, char* right, char** joined)
{
    return join(left, left, "&&", right, right, joined);
}

int MenuBuilder::contextOr(char* left, char* right, char** joined)
{
    return join(left, left, "||", right, right, joined);
}

int MenuBuilder::contextParenthesized(char* inner, char** joined)
{
    return join(inner, "(", inner, ")", nullptr, joined);
}

int MenuBuilder::targetAny(char** target)
{
    return join(nullptr, "any", nullptr, nullptr, nullptr, target);
}

int MenuBuilder::targetAnySymbolAlert(char** target)
{
    return join(nullptr, "symbolalert : any", nullptr, nullptr, nullptr, target);
}

int MenuBuilder::targetSymbolAlert(char* name, char** target)
{
    return join(name, "symbolalert", ":", name, nullptr, target);
}

int MenuBuilder::targetAnyOfClass(char* symbolClass, char** target)
{
    return join(symbolClass, symbolClass, ":", "any", nullptr, target);
}

int MenuBuilder::targetSymbolType(char* symbolClass, char* symbolType, char** target)
{
    return join(symbolClass, symbolClass, ":", symbolType, symbolType, target);
}

} // namespace kivparser
