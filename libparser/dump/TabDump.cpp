#include "kivparser/application/Action.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/application/Tab.h"
#include "kivparser/application/_ParserList.h"
#include "dump/DumpWriter.h"
#include "kivparser/lists/String.h"

namespace kivparser {

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
    DumpWriter::line("Icon : \"%s\"\n", DumpWriter::str(iconName));
    DumpWriter::line("ActiveHelp {\n");
    Indent++;
    DumpWriter::values(activeHelp);
    Indent--;
    DumpWriter::line("} {\n");
    for (ListItem* item = menuItems ? static_cast<ListItem*>(menuItems)->next() : nullptr; item;
         item = item->next())
        item->debugDump();
    DumpWriter::close();
}

void ListItem::debugDump()
{
    ParseLock lock;
    DumpWriter::open("ListItem <%d> \"%s%s\" {\n", precedence, isBitmap == 1 ? "@" : "", DumpWriter::str(label));
    DumpWriter::line("Icon : \"%s\"\n", DumpWriter::str(iconName));
    DumpWriter::open("ActiveHelp {\n");
    DumpWriter::values(activeHelp);
    DumpWriter::close();
    Function::debugDumpLine("Function : ", function);
    // linkList only ever links a list to a list item.
    if (menuLink)
        static_cast<ParserList*>(menuLink)->debugDump();
    if (actionLink)
        actionLink->debugDumpShort();
    DumpWriter::close();
}

} // namespace kivparser
