/*
 * The text dump's entry points, the debugDump methods of the model classes:
 * each prints its object through the object's description (see
 * ModelDescription.cpp), in the context the method names, holding the
 * ParseLock for the whole dump.
 */
#include "dump/DumpWriter.h"
#include "dump/ModelWalk.h"

#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/application/Command.h"
#include "kivparser/application/DropAction.h"
#include "kivparser/application/Enrollment.h"
#include "kivparser/application/FieldEnrollment.h"
#include "kivparser/application/Function.h"
#include "kivparser/application/ListItem.h"
#include "kivparser/application/Menu.h"
#include "kivparser/application/MenuBar.h"
#include "kivparser/application/MenuItem.h"
#include "kivparser/application/ParserExpression.h"
#include "kivparser/application/ParserList.h"
#include "kivparser/application/PopupItem.h"
#include "kivparser/application/PopupMenu.h"
#include "kivparser/application/Rule.h"
#include "kivparser/application/Tab.h"
#include "kivparser/application/ToolbarButton.h"
#include "kivparser/application/Window.h"
#include "kivparser/application/_MenuItem.h"
#include "kivparser/application/_ParserList.h"
#include "kivparser/symbols/FieldRegistration.h"
#include "kivparser/symbols/SnmppvReg.h"
#include "kivparser/symbols/SymbolRegistration.h"

namespace kivparser {

namespace {

unsigned char linksIf(int showLinks)
{
    return showLinks ? Context::LINKS : 0;
}

// The dump changes nothing: a const object is walked like any other.
void dump(const ClassInfo& type, const void* object, unsigned char flags = 0)
{
    ParseLock lock;
    ModelWalk::text(type, const_cast<void*>(object), Context{flags, 0});
}

} // namespace

void ApplicationRegistration::debugDump() const
{
    dump(described::applicationRegistration, this);
}

void ApplicationRegistration::debugDumpTabs() const
{
    dump(described::tabsView, this);
}

void Application::debugDump()
{
    dump(described::application, this);
}

void MenuBar::debugDump()
{
    dump(described::menuBar, this);
}

void Menu::debugDump(int showLinks)
{
    dump(described::menu, this, linksIf(showLinks));
}

void MenuItem::debugDump(int showLinks)
{
    dump(described::menuItem, this, linksIf(showLinks));
}

void PopupMenu::debugDump()
{
    dump(described::popupMenu, this);
}

void PopupMenu::debugDumpLinked(int showLinks)
{
    dump(described::popupMenu, this, Context::LINKED | linksIf(showLinks));
}

void PopupItem::debugDump(int showLinks)
{
    dump(described::popupItem, this, linksIf(showLinks));
}

void PopupItem::debugDumpInPopupMenu(int showLinks)
{
    dump(described::popupItem, this, Context::IN_POPUP_MENU | linksIf(showLinks));
}

void ToolbarButton::debugDump(int showLinks)
{
    dump(described::toolbarButton, this, linksIf(showLinks));
}

void Function::debugDump()
{
    dump(described::function, this);
}

void Function::debugDumpLine(const char* lead, Function* function)
{
    ParseLock lock;
    if (!function)
        return;
    DumpWriter::line("%s", lead);
    function->debugDump();
}

void Action::debugDump()
{
    dump(described::action, this);
}

void Action::debugDumpShort()
{
    dump(described::action, this, Context::SHORT);
}

void Command::debugDump()
{
    dump(described::command, this);
}

void Window::debugDump()
{
    dump(described::window, this);
}

void Enrollment::debugDump()
{
    if (enrollmentTitle(enrollOp))
        dump(described::enrollment, this);
}

void Rule::debugDump()
{
    dump(described::rule, this);
}

void FieldEnrollment::debugDump()
{
    dump(described::fieldEnrollment, this);
}

void DropAction::debugDump()
{
    if (dropActionID)
        dump(described::dropAction, this);
}

void ParserExpression::debugDump()
{
    dump(described::expression, this);
}

// Tabs, lists and their items show the lists their items open.
void Tab::debugDump()
{
    dump(described::tab, this, Context::LINKS);
}

void ParserList::debugDump()
{
    dump(described::parserList, this, Context::LINKS);
}

void _ParserList::debugDumpBody()
{
    dump(described::listBody, this, Context::LINKS);
}

void ListItem::debugDump()
{
    dump(described::listItem, this, Context::LINKS);
}

void _MenuItem::debugDumpBody(int showLinks, void (*dumpMenu)(_Menu* menu, int showLinks))
{
    ParseLock lock;
    DumpWriter::entryBody(this);
    if (!showLinks)
        return;
    if (menuLink)
        dumpMenu(menuLink, showLinks);
    if (actionLink)
        actionLink->debugDump();
}

void SymbolRegistration::debugDump() const
{
    dump(described::symbolRegistration, this);
}

void FieldRegistration::debugDump() const
{
    dump(described::fieldRegistration, this);
}

void SnmppvReg::debugDump() const
{
    dump(described::snmppvReg, this);
}

} // namespace kivparser
