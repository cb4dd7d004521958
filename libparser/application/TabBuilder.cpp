#include "application/TabBuilder.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/application/ParserList.h"
#include "application/PrecedencePlacement.h"
#include "kivparser/application/Tab.h"
#include "language/BuilderContext.h"
#include "language/ReportDetails.h"
#include "language/GrammarActions.h"
#include "kivparser/language/MessageCatalog.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"
#include "platform/KzPlatform.h"

#include <cstdlib>
#include <new>

namespace kivparser {

// Tabs and lists are registration-wide: every definition of the same name,
// from any application and any file, adds its items to the one object and may
// supply an icon, active help and (for tabs) a precedence still missing.

namespace {

// A list found here was made earlier by a definition or by an f.list
// reference; a list is never reported as defined twice.
struct ListDefinition
    : BuilderContext::Definition<ApplicationRegistration, ParserList, &ApplicationRegistration::lookupList,
                                 &ApplicationRegistration::newList> {
    static constexpr auto owner = &KivParser::curAppReg;
};

// Releases what a statement handed over when it cannot go on: the texts, the
// active help collected in curString and the function in curFunction.
int dropStatement(char* name, char* icon)
{
    free(name);
    free(icon);
    GrammarActions::discardValueList();
    if (KivParser::current) {
        delete KivParser::current->curFunction;
        KivParser::current->curFunction = nullptr;
    }
    return 1;
}

// The active help of the statement, taken out of curString.
String* takeActiveHelp()
{
    return GrammarActions::take(KivParser::current->curString);
}

// Icon and active help offered to a tab or list, then its items head made the
// one the list items go to.
int openItems(_ParserList* list, char* icon)
{
    list->setIconName(icon);
    list->setActiveHelp(takeActiveHelp());
    KivParser::current->curMenuItem = list->refMenuItems();
    return KivParser::current->curMenuItem ? 0 : 1;
}

// The end of a tab or list block: one more completed definition.
template <class T>
int closeItems(T* KivParser::*field, int check)
{
    if (BuilderContext::with(field, check, [](T* list) { list->locked++; }))
        return 1;
    KivParser::current->curMenuItem = nullptr;
    KivParser::current->*field = nullptr;
    return 0;
}

} // namespace

int TabBuilder::beginTab(int precedence, char* name, char* icon)
{
    ApplicationRegistration* reg = BuilderContext::current(&KivParser::curAppReg, CHECK_REGISTRATION);
    Tab* head = reg ? reg->refTabs() : nullptr;
    if (!head)
        return dropStatement(name, icon);
    SourceSpan place;
    bool placed = TokenPositions::spanOfText(name, &place);
    Tab* tab = PrecedencePlacement::define(head, reg->lookupTab(name), name, precedence);
    if (tab && placed)
        SourceMap::definedAt(tab, place);
    if (!tab)
        return dropStatement(nullptr, icon);
    KivParser::current->curTab = tab;
    return openItems(tab, icon);
}

int TabBuilder::endTab()
{
    return closeItems(&KivParser::curTab, CHECK_TAB);
}

int TabBuilder::beginList(char* name, char* icon)
{
    ParserList* list = BuilderContext::define<ListDefinition>(name, CHECK_REGISTRATION);
    if (!list)
        return dropStatement(nullptr, icon);
    KivParser::current->curList = list;
    return openItems(list, icon);
}

int TabBuilder::endList()
{
    return closeItems(&KivParser::curList, CHECK_LIST);
}

int TabBuilder::listItem(int precedence, char* label, char* icon)
{
    _MenuItem* head = BuilderContext::current(&KivParser::curMenuItem, CHECK_ITEMS);
    if (!head)
        return dropStatement(label, icon);
    KivParser* parser = KivParser::current;
    Function* function = GrammarActions::take(parser->curFunction);
    ListItem* existing = static_cast<ListItem*>(head->lookup_MenuItem(label));
    if (existing) {
        const char* listName = function ? function->functionArg : nullptr;
        if (existing->menuLink && function && function->isType("list")) {
            if (!listName) {
                {
                    ReportDetails details;
                    details.atName(label);
                    warning(parserMsg(MSG_MISSING_LIST_NAME), label);
                }
            } else {
                // The list the item opens takes the new name.
                char* copy = _strdup(listName);
                if (!copy) {
                    nomemory();
                    delete function;
                    return dropStatement(label, icon);
                }
                free(existing->menuLink->menuID);
                existing->menuLink->menuID = copy;
                SListIndex::renamed(existing->menuLink);
            }
        } else {
            {
                ReportDetails details;
                details.atName(label);
                details.relatedTo(existing, "the first item with this label");
                warning(parserMsg(MSG_DUP_LISTITEM), label);
            }
        }
        existing->setIconName(icon);
        existing->setActiveHelp(takeActiveHelp());
        free(label);
        delete function;
        return 0;
    }
    String* activeHelp = takeActiveHelp();
    ListItem* item = new (std::nothrow) ListItem(precedence, label, icon, activeHelp, function);
    if (!item) {
        nomemory();
        SListOps::disposeList(activeHelp);
        delete function;
        return dropStatement(label, icon);
    }
    SourceMap::defined(item, label);
    head->append(item);
    return item->linkAction() || item->linkList() ? 1 : 0;
}

} // namespace kivparser
