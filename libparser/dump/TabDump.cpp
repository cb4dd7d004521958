#include "kivparser/application/Action.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/application/Tab.h"
#include "kivparser/application/_ParserList.h"
#include "dump/DumpWriter.h"
#include "dump/LinkedDump.h"
#include "kivparser/lists/String.h"

namespace kivparser {

namespace {

// "Icon", "ActiveHelp {" ... "} {": what a tab or list prints before its
// items, one level deeper than its opening line.
void listHead(_ParserList* list)
{
    DumpWriter::line("Icon : \"%s\"\n", DumpWriter::str(list->iconName));
    DumpWriter::line("ActiveHelp {\n");
    Indent++;
    DumpWriter::values(list->activeHelp);
    Indent--;
    DumpWriter::line("} {\n");
}

// List items, each with the list it opens shown inside it.
struct ListDump {
    using Item = ListItem;
    using Container = _ParserList;

    _ParserList* openItem(ListItem* item)
    {
        DumpWriter::open("ListItem <%d> \"%s%s\" {\n", item->precedence, item->isBitmap == 1 ? "@" : "",
                         DumpWriter::str(item->label));
        DumpWriter::line("Icon : \"%s\"\n", DumpWriter::str(item->iconName));
        DumpWriter::open("ActiveHelp {\n");
        DumpWriter::values(item->activeHelp);
        DumpWriter::close();
        Function::debugDumpLine("Function : ", item->function);
        // linkList only ever links a list to a list item.
        return static_cast<_ParserList*>(item->menuLink);
    }
    void closeItem(ListItem* item)
    {
        if (item->actionLink)
            item->actionLink->debugDumpShort();
        DumpWriter::close();
    }
    void open(_ParserList* list)
    {
        DumpWriter::open("ParserList \"%s\" {\n", DumpWriter::str(list->menuID));
        listHead(list);
    }
    void close(_ParserList*) { DumpWriter::close(); }
    ListItem* first(_ParserList* list)
    {
        return list->menuItems ? static_cast<ListItem*>(list->menuItems)->next() : nullptr;
    }
};

} // namespace

void ApplicationRegistration::debugDumpTabs()
{
    ParseLock lock;
    for (Tab* tab = tabs; tab; tab = tab->next()) {
        if (tab->menuID)
            tab->debugDump();
    }
}

void Tab::debugDump()
{
    ParseLock lock;
    // The tab's line carries no brace: the brace opens after its active help.
    DumpWriter::line("Tab <%d> \"%s\"\n", precedence, DumpWriter::str(menuID));
    Indent++;
    debugDumpBody();
}

void ParserList::debugDump()
{
    ParseLock lock;
    DumpWriter::open("ParserList \"%s\" {\n", DumpWriter::str(menuID));
    debugDumpBody();
}

void _ParserList::debugDumpBody()
{
    ParseLock lock;
    ListDump dump;
    listHead(this);
    LinkedDump<ListDump>::entries(dump, dump.first(this), false, this);
    DumpWriter::close();
}

void ListItem::debugDump()
{
    ParseLock lock;
    ListDump dump;
    LinkedDump<ListDump>::entries(dump, this, true);
}

} // namespace kivparser
