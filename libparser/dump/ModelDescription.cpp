/*
 * The description of every model class (see ModelDescription.h): its
 * members in the order the text dump shows them, each with the way it is
 * shown there. Members that the text dump leaves out are described all the
 * same, hidden, so that the JSON export has them. A description names every
 * member whatever the object holds; only the way of showing depends on the
 * values and on the context.
 *
 * Adding a member to a model class means one line here (and its property in
 * the schema, which a test checks).
 */
#include "dump/ModelDescription.h"

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
#include "kivparser/lists/Elements.h"
#include "kivparser/symbols/AcceptArgument.h"
#include "kivparser/symbols/Capability.h"
#include "kivparser/symbols/Field.h"
#include "kivparser/symbols/FieldRegistration.h"
#include "kivparser/symbols/IgnoreAction.h"
#include "kivparser/symbols/Line.h"
#include "kivparser/symbols/Point.h"
#include "kivparser/symbols/SnmppvCgi.h"
#include "kivparser/symbols/SnmppvReg.h"
#include "kivparser/symbols/SymbolClass.h"
#include "kivparser/symbols/SymbolRegistration.h"
#include "kivparser/symbols/SymbolType.h"

namespace kivparser {

namespace {

using V = MemberVisitor;
using S = Show;
using C = Context;

const C none = {0, 0};
const C links = {C::LINKS, 0};

// ---- Helpers ---------------------------------------------------------------

// The placeholder head of a menu's entries, as the entries' own class.
template <class Item>
Item* itemsOf(_Menu* menu)
{
    return static_cast<Item*>(menu->menuItems);
}

// A list of objects: the elements after the placeholder `head` that `keep`
// accepts, each with its place.
template <class T, class Keep>
void listOf(V& v, const char* name, const ClassInfo& type, T* head, S show, C context, Keep keep)
{
    v.beginList(name, type, show);
    int ordinal = 0;
    for (T& element : elements(head)) {
        if (keep(&element))
            v.element(&element, C{context.flags, ++ordinal});
    }
    v.endList();
}

template <class T>
void listOf(V& v, const char* name, const ClassInfo& type, T* head, S show, C context)
{
    listOf(v, name, type, head, show, context, [](T*) { return true; });
}

// The elements of a list that carry a name (one whose name could not be
// copied, when memory ran out, is left out).
template <class T>
bool named(T* element)
{
    return element->menuID != nullptr;
}

const char* bitmapMark(int isBitmap)
{
    return isBitmap == 1 ? "@" : "";
}

const char* nameOfApplication(Application* app)
{
    return app ? app->appName : nullptr;
}

// The opening of a menu, popup or list entry: "<precedence> "@label".
// `start` null: not shown.
void entryHead(V& v, _MenuItem& item, const char* start, S label)
{
    v.number("precedence", item.precedence, start ? S::start(start) : S::hide());
    v.number("isBitmap", item.isBitmap, start ? S::part("%s", bitmapMark(item.isBitmap)) : S::hide());
    v.text("label", item.label, start ? label : S::hide());
}

// ---- The application registration -----------------------------------------

void describeRegistration(V& v, ApplicationRegistration& reg, C)
{
    listOf(v, "menuBars", described::menuBar, reg.menuBars, S::plain(), none, named<MenuBar>);
    listOf(v, "popupItems", described::popupItem, reg.popupItems, S::block("PopupItems {\n"), links);
    listOf(v, "toolbarButtons", described::toolbarButton, reg.toolbarButtons, S::block("ToolbarButtons {\n"), links);
    listOf(v, "applications", described::application, reg.applications, S::plain(), none,
           [](Application* app) { return app->appName != nullptr; });
    // Shown by the tabs view; here with their links by name.
    listOf(v, "tabs", described::tab, reg.tabs, S::hide(), none, named<Tab>);
    listOf(v, "lists", described::parserList, reg.lists, S::hide(), none, named<ParserList>);
    listOf(v, "windows", described::window, reg.windows, S::hide(), none,
           [](Window* window) { return window->windowID != nullptr; });
}

// The tabs and the lists they open, as debugDumpTabs shows them.
void describeTabs(V& v, ApplicationRegistration& reg, C)
{
    listOf(v, "tabs", described::tab, reg.tabs, S::plain(), links, named<Tab>);
}

void describeMenuBar(V& v, MenuBar& bar, C)
{
    v.number("precedence", bar.precedence, S::start("MenuBar <%ld> \""));
    v.text("menuID", bar.menuID, S::part("%s\" _"));
    v.text("mnemonic", bar.mnemonic, S::partOpen("%s {\n"));
    v.number("locked", bar.locked, S::hide());
    listOf(v, "menuItems", described::menuItem, itemsOf<MenuItem>(&bar), S::plain(), links);
    v.layout(S::close());
}

void describeMenu(V& v, Menu& menu, C context)
{
    v.text("menuID", menu.menuID, S::open("Menu \"%s\" {\n"));
    v.number("precedence", menu.precedence, S::hide());
    v.number("locked", menu.locked, S::hide());
    listOf(v, "menuItems", described::menuItem, itemsOf<MenuItem>(&menu), S::plain(),
           C{static_cast<unsigned char>(context.flags & C::LINKS), 0});
    v.layout(S::close());
}

// A menu entry; as a further action of a multi-action entry only its
// function and action are shown, after "Multi-action(N) : ".
void describeMenuItem(V& v, MenuItem& item, C context)
{
    bool shown = !context.has(C::DUPLICATE);
    bool withLinks = context.has(C::LINKS);
    entryHead(v, item, shown ? "MenuItem <%ld> \"" : nullptr, S::part("%s\" _"));
    v.text("mnemonic", item.mnemonic, shown ? S::part("%s [") : S::hide());
    v.text("accelerator", item.accelerator, shown ? S::partOpen("%s] {\n") : S::hide());
    v.text("contextExpr", item.contextExpr, shown ? S::line("ContextExpression : \"%s\"\n") : S::hide());
    v.object("function", described::function, item.function, S::lead(shown ? "Function : " : "Multi-action(%d) : "),
             C{0, context.ordinal});
    v.link("menuLink", described::menu, static_cast<Menu*>(item.menuLink), withLinks && shown, S::plain(), links);
    v.link("actionLink", described::action, item.actionLink, withLinks, S::plain(), none);
    listOf(v, "dupMenuItems", described::menuItem, item.dupMenuItems, shown ? S::plain() : S::hide(),
           C{static_cast<unsigned char>(C::DUPLICATE | (context.flags & C::LINKS)), 0});
    if (shown)
        v.layout(S::close());
}

// A popup menu of an application, or one reached through a link: there its
// entries are "PopupMenuItem" blocks without a target symbol type.
void describePopupMenu(V& v, PopupMenu& menu, C context)
{
    v.text("menuID", menu.menuID, S::open("PopupMenu \"%s\" {\n"));
    v.number("precedence", menu.precedence, S::hide());
    v.number("locked", menu.locked, S::hide());
    unsigned char entries = context.has(C::LINKED) ? (context.flags & C::LINKS) | C::IN_POPUP_MENU : 0;
    listOf(v, "menuItems", described::popupItem, itemsOf<PopupItem>(&menu), S::plain(), C{entries, 0});
    v.layout(S::close());
}

void describePopupItem(V& v, PopupItem& item, C context)
{
    bool inMenu = context.has(C::IN_POPUP_MENU);
    bool withLinks = context.has(C::LINKS);
    entryHead(v, item, inMenu ? "PopupMenuItem <%ld> \"" : "PopupItem <%ld> \"", S::partOpen("%s\" {\n"));
    v.text("contextExpr", item.contextExpr, S::line("ContextExpression : \"%s\"\n"));
    v.object("function", described::function, item.function, S::lead("Function : "), none);
    v.link("menuLink", described::popupMenu, static_cast<PopupMenu*>(item.menuLink), withLinks, S::plain(),
           C{C::LINKS | C::LINKED, 0});
    v.link("actionLink", described::action, item.actionLink, withLinks, S::plain(), none);
    v.text("targetSymbolType", item.targetSymbolType, inMenu ? S::hide() : S::line("TargetSymbolType : \"%s\"\n"));
    v.layout(S::close());
}

void describeToolbarButton(V& v, ToolbarButton& button, C context)
{
    entryHead(v, button, "ToolbarButton <%ld> \"", S::partOpen("%s\" {\n"));
    v.text("contextExpr", button.contextExpr, S::line("ContextExpression : \"%s\"\n"));
    v.object("function", described::function, button.function, S::lead("Function : "), none);
    bool withLinks = context.has(C::LINKS);
    v.link("menuLink", described::menu, static_cast<Menu*>(button.menuLink), withLinks, S::plain(), links);
    v.link("actionLink", described::action, button.actionLink, withLinks, S::plain(), none);
    v.layout(S::close());
}

// "! command" or "f.type "argument"", going on with the line.
void describeFunction(V& v, Function& function, C)
{
    bool shell = function.shellCommand != nullptr;
    v.text("shellCommand", function.shellCommand, shell ? S::part("! %s\n") : S::hide());
    v.text("functionType", function.functionType, shell ? S::hide() : S::part("f.%s "));
    v.text("functionArg", function.functionArg, shell ? S::hide() : S::part("\"%s\"\n"));
}

// The selection rule's line ends in the indentation blanks.
void selectionRule(V& v, ParserExpression* rule, bool shown)
{
    if (shown)
        v.layout(S::start("SelectionRule : "));
    v.object("selectionRule", described::expression, rule, shown ? S::plain() : S::hide(), none);
    if (shown)
        v.layout(S::tail("\n"));
}

// An action; as a list item shows it (SHORT), its URL and accesses only.
void describeAction(V& v, Action& action, C context)
{
    bool full = !context.has(C::SHORT);
    v.text("actionID", action.actionID, S::open("Action \"%s\" {\n"));
    v.text("application", nameOfApplication(action.application), S::line("Application : \"%s\"\n"));
    selectionRule(v, action.selectionRule, full);
    v.text("displayString", action.displayString, full ? S::line("DisplayString : \"%s\"\n") : S::hide());
    v.values("nameFields", action.nameFields, full ? S::block("NameFields {\n") : S::hide());
    v.number("minSelected", action.minSelected, full ? S::line("MinSelected : %ld\n") : S::hide());
    v.number("maxSelected", action.maxSelected, full ? S::line("MaxSelected : %ld\n") : S::hide());
    v.text("callbackArg", action.callbackArg, full ? S::line("CallbackArg : \"%s\"\n") : S::hide());
    v.object("command", described::command, action.command, full ? S::block("Command {\n") : S::hide(), none);
    S url = !full ? S::line("URLpath : \"%s\"\n") : action.urlPath ? S::line("URL : \"%s\"\n") : S::hide();
    v.text("urlPath", action.urlPath, url);
    v.values("accesses", action.accesses, !full || action.accesses ? S::block("Access {\n") : S::hide());
    v.object("window", described::window, action.window, S::plain(), none);
    v.number("locked", action.locked, S::hide());
    v.layout(S::close());
}

// The launch host is printed under the same label as the host.
void describeCommand(V& v, Command& command, C)
{
    v.number("processFlag", static_cast<long>(command.processFlag), S::line("Flag : %lx\n"));
    v.text("commandName", command.commandName, S::line("Command Name : \"%s\"\n"));
    v.text("hostSpec", command.hostSpec, S::line("HostSpec : \"%s\"\n"));
    v.text("launchSpec", command.launchSpec, S::line("HostSpec : \"%s\"\n"));
    v.number("locked", command.locked, S::hide());
}

void describeWindow(V& v, Window& window, C)
{
    v.text("windowID", window.windowID, S::open("Window \"%s\" {\n"));
    v.number("type", window.type, S::line("Type     : %ld\n"));
    v.number("status", window.status, S::line("Status   : %ld\n"));
    v.number("scrollbar", window.scrollbar, S::line("Scrollbar: %ld\n"));
    v.number("toolbar", window.toolbar, S::line("Toolbar  : %ld\n"));
    v.number("location", window.location, S::line("Location : %ld\n"));
    v.number("resizable", window.resizable, S::line("Resizable: %ld\n"));
    v.number("width", window.width, S::line("Width    : %ld\n"));
    v.number("height", window.height, S::line("Height   : %ld\n"));
    v.number("locked", window.locked, S::hide());
    v.layout(S::close());
}

bool enrollmentShown(Enrollment* enrollment);

void describeApplication(V& v, Application& app, C)
{
    v.text("appName", app.appName, S::start("Application \"%s\" : \""));
    v.number("priority", app.priority, S::hide());
    v.text("appParent", nameOfApplication(app.appParent), S::partOpen("%s\" {\n"));
    v.values("descriptions", app.descriptions, S::block("Description {\n"));
    v.text("displayString", app.displayString, S::line("DisplayString : \"%s\"\n"));
    v.text("verificationKey", app.verificationKey, S::line("VerificationKey : \"%s\"\n"));
    v.text("helpDirectory", app.helpDirectory, S::line("HelpDirectory : \"%s\"\n"));
    v.values("nameFields", app.nameFields, S::block("NameFields {\n"));
    v.object("command", described::command, app.command, S::block("Command {\n"), none);
    v.text("version", app.version, S::line("Version : \"%s\"\n"));
    v.values("copyrights", app.copyrights, S::block("Copyrights {\n"));
    listOf(v, "menus", described::menu, app.menus, S::plain(), none, named<Menu>);
    listOf(v, "popupMenus", described::popupMenu, app.popupMenus, S::plain(), none, named<PopupMenu>);
    listOf(v, "actions", described::action, app.actions, S::plain(), none,
           [](Action* action) { return action->actionID != nullptr; });
    listOf(v, "enrollments", described::enrollment, app.enrollments, S::plain(), none, enrollmentShown);
    listOf(v, "dropActions", described::dropAction, app.dropActions, S::plain(), none,
           [](DropAction* drop) { return drop->dropActionID != nullptr; });
    v.number("locked", app.locked, S::hide());
    v.layout(S::close());
}

} // namespace

// The title of an enrollment's block; null for the placeholder head (and
// any value outside the enumeration), which prints nothing.
const char* enrollmentTitle(EnrollOpType op)
{
    switch (op) {
    case ENR_NA:
        return nullptr;
    case ENR_ADD:
        return "Add";
    case ENR_DESCRIBE:
        return "Describe";
    case ENR_ADD_DESCRIBE:
        return "Add,Describe";
    case ENR_CONNECT:
        return "Connect";
    case ENR_CONFIG:
        return "Config";
    }
    return nullptr;
}

namespace {

bool enrollmentShown(Enrollment* enrollment)
{
    return enrollmentTitle(enrollment->enrollOp) != nullptr;
}

void describeEnrollment(V& v, Enrollment& enrollment, C)
{
    v.number("enrollOp", enrollment.enrollOp, S::open("Enroll %s {\n", enrollmentTitle(enrollment.enrollOp)));
    listOf(v, "rules", described::rule, enrollment.rules, S::plain(), none);
    v.layout(S::close());
}

void describeRule(V& v, Rule& rule, C)
{
    v.layout(S::start("if "));
    v.object("expr1", described::expression, rule.expr1, S::around("(", ")"), none);
    v.object("expr2", described::expression, rule.expr2, S::around(" , (", ") "), none);
    v.layout(S::partOpen("{\n"));
    v.number("scale", rule.scale, S::line("Scale         : %ld\n"));
    v.number("initialVerify", rule.initialVerify, S::line("InitialVerify : %ld\n"));
    v.number("helpType", rule.helpType, S::line("HelpType      : %ld\n"));
    v.text("helpName", rule.helpName, S::line("HelpName      : \"%s\"\n"));
    listOf(v, "fieldEnrollments", described::fieldEnrollment, rule.fieldEnrollments, S::plain(), none);
    v.layout(S::close());
}

void describeFieldEnrollment(V& v, FieldEnrollment& field, C)
{
    v.text("fieldEnrollName", field.fieldEnrollName, S::open("Field \"%s\" {\n"));
    v.text("fieldLabel", field.fieldLabel, S::line("Field            : \"%s\"\n"));
    v.number("noDisplay", field.noDisplay, S::line("NoDisplay        : %ld\n"));
    v.number("immediateVerify", field.immediateVerify, S::line("ImmediateVerify  : %ld\n"));
    v.number("geometryX", field.geometryX, S::start("Geometry         : (%ld,"));
    v.number("geometryY", field.geometryY, S::part("%ld),"));
    v.number("geometryWidth", field.geometryWidth, S::part("%ld,"));
    v.number("geometryHeight", field.geometryHeight, S::part("%ld\n"));
    v.number("editPolicy", field.editPolicy, S::line("EditPolicy       : %ld\n"));
    v.number("listDisplayPolicy", field.listDisplayPolicy, S::line("ListDisplayPolicy: %ld\n"));
    v.number("listSelectionPolicy", field.listSelectionPolicy, S::hide());
    v.number("integerDisplayPolicy", field.integerDisplayPolicy, S::line("IntegerDisplayPol: %ld\n"));
    v.number("editPosition", field.editPosition, S::line("EditPosition     : %ld\n"));
    ValueType type = field.defaultValueType;
    S shown = type == VLU_INTEGER  ? S::line("DefaultValue     : %ld\n")
              : type == VLU_STRING ? S::line("DefaultValue     : \"%s\"\n")
                                   : S::line("DefaultValue     : <null>\n");
    v.variant("defaultValue", type, type == VLU_INTEGER ? field.defaultValue.defaultValue_integer : 0,
              type == VLU_STRING ? field.defaultValue.defaultValue_string : nullptr, shown);
    v.layout(S::close());
}

void describeDropAction(V& v, DropAction& drop, C)
{
    v.text("dropActionID", drop.dropActionID, S::open("DropAction \"%s\" {\n"));
    v.number("dropOp", static_cast<int>(drop.dropOp), S::line("DropOperation : %ld\n"));
    selectionRule(v, drop.selectionRule, true);
    v.text("helpString", drop.helpString, S::line("HelpString    : \"%s\"\n"));
    v.number("locked", drop.locked, S::hide());
    v.layout(S::close());
}

// The operator's name in the export: "term", "n/a" or the operator as written.
const char* opName(ExprOpType op)
{
    switch (op) {
    case EOP_NA:
        return "n/a";
    case EOP_TERM:
        return "term";
    case EOP_AND:
    case EOP_OR:
    case EOP_ASSIGN:
    case EOP_EQUAL:
    case EOP_NOT:
    case EOP_NOT_EQUAL:
    case EOP_MAX:
        return getOpString(op);
    }
    return getOpString(op);
}

// Written inline: "term", "<n/a>", "!(a)" or "(a op b)"; a missing operand
// is "<err>".
void describeExpression(V& v, ParserExpression& e, C)
{
    bool leaf = e.op == EOP_NA || e.op == EOP_TERM;
    bool unary = e.op == EOP_NOT;
    v.text("op", opName(e.op), e.op == EOP_NA ? S::part("<n/a>") : S::hide());
    if (!leaf)
        v.layout(unary ? S::part("%s(", getOpString(e.op)) : S::part("("));
    v.object("expr1", described::expression, e.expr1, leaf ? S::hide() : S::plain("<err>"), none);
    if (!leaf && !unary)
        v.layout(S::part("%s", getOpString(e.op)));
    v.object("expr2", described::expression, e.expr2, leaf || unary ? S::hide() : S::plain("<err>"), none);
    if (!leaf)
        v.layout(S::part(")"));
    S term = e.op != EOP_TERM ? S::hide() : e.term ? S::part("\"%s\"") : S::part("<null>");
    v.text("term", e.term, term);
}

// ---- Tabs and lists ----------------------------------------------------------

// What a tab or list shows after its opening line: "Icon", "ActiveHelp {"
// ... "} {", its items (each with the list it opens), then "}".
void describeListBody(V& v, _ParserList& list, C context)
{
    v.number("locked", list.locked, S::hide());
    v.text("iconName", list.iconName, S::line("Icon : \"%s\"\n"));
    v.values("activeHelp", list.activeHelp, S::block("ActiveHelp {\n", "} {\n"));
    listOf(v, "menuItems", described::listItem, itemsOf<ListItem>(&list), S::plain(),
           C{static_cast<unsigned char>(context.flags & C::LINKS), 0});
    v.layout(S::close());
}

// The tab's line carries no brace: the brace opens after its active help.
void describeTab(V& v, Tab& tab, C context)
{
    v.number("precedence", tab.precedence, S::start("Tab <%ld> \""));
    v.text("menuID", tab.menuID, S::partOpen("%s\"\n"));
    describeListBody(v, tab, context);
}

void describeParserList(V& v, ParserList& list, C context)
{
    v.text("menuID", list.menuID, context.has(C::BODY) ? S::hide() : S::open("ParserList \"%s\" {\n"));
    v.number("precedence", list.precedence, S::hide());
    describeListBody(v, list, context);
}

void describeListItem(V& v, ListItem& item, C context)
{
    bool withLinks = context.has(C::LINKS);
    entryHead(v, item, "ListItem <%ld> \"", S::partOpen("%s\" {\n"));
    v.text("contextExpr", item.contextExpr, S::hide());
    v.text("iconName", item.iconName, S::line("Icon : \"%s\"\n"));
    v.values("activeHelp", item.activeHelp, S::block("ActiveHelp {\n"));
    v.object("function", described::function, item.function, S::lead("Function : "), none);
    // linkList only ever links a list to a list item.
    v.link("menuLink", described::parserList, static_cast<ParserList*>(item.menuLink), withLinks, S::plain(), links);
    v.link("actionLink", described::action, item.actionLink, withLinks, S::plain(), C{C::SHORT, 0});
    v.layout(S::close());
}

// ---- Symbols -------------------------------------------------------------------

void describeSymbolRegistration(V& v, SymbolRegistration& reg, C)
{
    listOf(v, "symbolClasses", described::symbolClass, reg.symbolClasses, S::plain(), none);
}

// What classes and types share, in the order both show it.
void describeSymbol(V& v, _Symbol& symbol)
{
    v.text("fileBase", symbol.fileBase, S::line("FileBase: \"%s\"\n"));
    v.number("cursorSize", symbol.cursorSize, S::line("CursorSize: %ld\n"));
    v.number("layout", symbol.layout, S::line("LayoutType: %ld\n"));
    listOf(v, "capabilities", described::capability, symbol.capabilities, S::inlineList("Capability : "), none);
    v.number("defaultStatusSource", symbol.defaultStatusSource, S::line("DefaultStatusSource: %ld\n"));
    v.object("line", described::line, symbol.line, S::plain(), none);
    v.text("displayString", symbol.displayString, S::line("DisplayString: \"%s\"\n"));
    v.number("thickness", symbol.thickness, S::line("Thickness: %ld\n"));
    v.number("locked", symbol.locked, S::hide());
}

S arcPoint(Point* point, const char* label, const char* none)
{
    return point ? S::lead(label) : S::line(none);
}

void describeSymbolClass(V& v, SymbolClass& symbolClass, C)
{
    v.text("symbolID", symbolClass.symbolID, S::open("SymbolClass \"%s\" {\n"));
    describeSymbol(v, symbolClass);
    v.number("scale", symbolClass.scale, S::line("Scale: %ld\n"));
    v.number("variety", symbolClass.variety, S::line("Variety: %ld\n"));
    v.object("arcOrigin", described::point, symbolClass.arcOrigin,
             arcPoint(symbolClass.arcOrigin, "Arc Origin: ", "Arc Origin: <none>\n"), none);
    v.object("arcSize", described::point, symbolClass.arcSize,
             arcPoint(symbolClass.arcSize, "Arc Size: ", "Arc Size: <none>\n"), none);
    v.number("arcRotationStart", symbolClass.arcRotationStart, S::line("Arc RotationStart:  %ld\n"));
    v.number("arcRotationDegree", symbolClass.arcRotationDegree, S::line("Arc RotationDegree: %ld\n"));
    listOf(v, "segments", described::point, symbolClass.segments, S::inlineList("Segments: "), C{C::SEGMENT, 0});
    listOf(v, "symbolTypes", described::symbolType, symbolClass.symbolTypes, S::plain(), none);
    v.layout(S::close());
}

void describeSymbolType(V& v, SymbolType& type, C)
{
    v.text("symbolID", type.symbolID, S::open("SymbolType \"%s\" {\n"));
    describeSymbol(v, type);
    v.values("availableBitmapSizes", type.availableBitmapSizes, S::block("Available Bitmap Size {\n"));
    v.text("fileBaseDir", type.fileBaseDir, S::line("Available Bitmap Dir : \"%s\"\n"));
    v.layout(S::close());
}

void describeCapability(V& v, Capability& cap, C)
{
    v.text("fieldName", cap.fieldName, S::part("\"%s\" = "));
    S shown = cap.valueType == VLU_INTEGER  ? S::part("%ld, ")
              : cap.valueType == VLU_STRING ? S::part("\"%s\", ")
                                            : S::hide();
    v.variant("value", cap.valueType, cap.valueType == VLU_INTEGER ? cap.value_integer : 0,
              cap.valueType == VLU_STRING ? cap.value_string : nullptr, shown);
}

void describeLine(V& v, Line& line, C)
{
    v.number("lineStyle", line.lineStyle, S::line("LineStyle: %ld\n"));
    v.values("dashLengths", line.dashLengths, S::inlineIntegers("DashLength: ", "%d, "));
}

// "(x, y)" as an arc's point, "(x, y) " in a segment list.
void describePoint(V& v, Point& point, C context)
{
    v.number("x", point.x, S::part("(%ld, "));
    v.number("y", point.y, S::part(context.has(C::SEGMENT) ? "%ld) " : "%ld)\n"));
}

// ---- Fields ----------------------------------------------------------------------

void describeFieldRegistration(V& v, FieldRegistration& reg, C)
{
    listOf(v, "fields", described::field, reg.fields, S::plain(), none);
}

void describeField(V& v, Field& field, C)
{
    v.text("fieldID", field.fieldID, S::open("Field \"%s\" {\n"));
    v.number("fieldType", field.fieldType, S::line("FieldType: %ld\n"));
    v.number("fieldFlag", static_cast<int>(field.fieldFlag), S::line("FieldFlag: %ld\n"));
    v.values("fieldEnumerations", field.fieldEnumerations, S::inlineTexts("FieldEnumeration: ", "\"%s\", "));
    v.text("displayString", field.displayString, S::line("DisplayString: \"%s\"\n"));
    v.number("locked", field.locked, S::hide());
    v.layout(S::close());
}

// ---- CGI programs --------------------------------------------------------------
// The CGI listing has its own fixed layout: tabs, no nesting level.

void describeSnmppvReg(V& v, SnmppvReg& reg, C)
{
    listOf(v, "snmppvCgis", described::snmppvCgi, reg.snmppvCgis, S::plain(), none);
}

void describeSnmppvCgi(V& v, SnmppvCgi& cgi, C)
{
    v.text("cgiNameID", cgi.cgiNameID, S::line("CGI : %s {\n"));
    v.values("descriptions", cgi.descriptions, S::hide());
    v.values("copyrights", cgi.copyrights, S::hide());
    v.text("version", cgi.version, S::hide());
    v.text("commandName", cgi.commandName, S::line("\tCommand %s;\n"));
    v.text("cgiPath", cgi.cgiPath, S::line("\tCgiPath \"%s\";\n"));
    v.text("iconPath", cgi.iconPath, S::line("\tIconPath \"%s\";\n"));
    listOf(v, "acceptArguments", described::acceptArgument, cgi.acceptArguments, S::plain(), none);
    listOf(v, "ignoreActions", described::ignoreAction, cgi.ignoreActions, S::plain(), none);
    v.number("locked", cgi.locked, S::hide());
    v.layout(S::line("}\n"));
}

// An option that takes no arguments ends its line with ";".
void describeAcceptArgument(V& v, AcceptArgument& arg, C)
{
    v.text("optionName", arg.optionName, S::start("\tAcceptArguments \"%s\""));
    v.number("isNoArgs", arg.isNoArgs, S::part("%s", arg.isNoArgs ? ";\n" : " {\n"));
    v.values("optionArgs", arg.optionArgs, arg.isNoArgs ? S::hide() : S::textLines("\t\t\"%s\", \n"));
    if (!arg.isNoArgs)
        v.layout(S::line("\t}\n"));
}

void describeIgnoreAction(V& v, IgnoreAction& ignore, C)
{
    v.text("appName", ignore.appName, S::line("\tIgnoreActions \"%s\" {\n"));
    v.number("actionNamesAll", ignore.actionNamesAll, ignore.actionNamesAll ? S::line("\t\tall\n") : S::hide());
    v.values("actionNames", ignore.actionNames, S::textLines("\t\t\"%s\", \n"));
    v.layout(S::line("\t}\n"));
}

// ---- The class table -------------------------------------------------------------

template <class T, void (*Describe)(V&, T&, C)>
void thunk(V& v, void* object, C context)
{
    Describe(v, *static_cast<T*>(object), context);
}

const char* noName(void*)
{
    return nullptr;
}

template <class T>
const char* menuName(void* object)
{
    return static_cast<T*>(object)->menuID;
}

const char* actionName(void* object)
{
    return static_cast<Action*>(object)->actionID;
}

const char* windowName(void* object)
{
    return static_cast<Window*>(object)->windowID;
}

template <class T>
void* make()
{
    return new T();
}

template <class T>
void dispose(void* object)
{
    delete static_cast<T*>(object);
}

} // namespace

namespace described {

const ClassInfo applicationRegistration = {"ApplicationRegistration",
                                           thunk<ApplicationRegistration, describeRegistration>, noName};
const ClassInfo tabsView = {"Tabs", thunk<ApplicationRegistration, describeTabs>, noName};
const ClassInfo menuBar = {"MenuBar", thunk<MenuBar, describeMenuBar>, menuName<MenuBar>};
const ClassInfo menu = {"Menu", thunk<Menu, describeMenu>, menuName<Menu>};
const ClassInfo menuItem = {"MenuItem", thunk<MenuItem, describeMenuItem>, noName};
const ClassInfo popupMenu = {"PopupMenu", thunk<PopupMenu, describePopupMenu>, menuName<PopupMenu>};
const ClassInfo popupItem = {"PopupItem", thunk<PopupItem, describePopupItem>, noName};
const ClassInfo toolbarButton = {"ToolbarButton", thunk<ToolbarButton, describeToolbarButton>, noName};
const ClassInfo function = {"Function", thunk<Function, describeFunction>, noName};
const ClassInfo action = {"Action", thunk<Action, describeAction>, actionName};
const ClassInfo command = {"Command", thunk<Command, describeCommand>, noName};
const ClassInfo window = {"Window", thunk<Window, describeWindow>, windowName};
const ClassInfo application = {"Application", thunk<Application, describeApplication>, noName};
const ClassInfo enrollment = {"Enrollment", thunk<Enrollment, describeEnrollment>, noName};
const ClassInfo rule = {"Rule", thunk<Rule, describeRule>, noName};
const ClassInfo fieldEnrollment = {"FieldEnrollment", thunk<FieldEnrollment, describeFieldEnrollment>, noName};
const ClassInfo dropAction = {"DropAction", thunk<DropAction, describeDropAction>, noName};
const ClassInfo expression = {"ParserExpression", thunk<ParserExpression, describeExpression>, noName};
const ClassInfo tab = {"Tab", thunk<Tab, describeTab>, menuName<Tab>};
const ClassInfo parserList = {"ParserList", thunk<ParserList, describeParserList>, menuName<ParserList>};
const ClassInfo listBody = {"ParserList", thunk<_ParserList, describeListBody>, menuName<_ParserList>};
const ClassInfo listItem = {"ListItem", thunk<ListItem, describeListItem>, noName};
const ClassInfo symbolRegistration = {"SymbolRegistration", thunk<SymbolRegistration, describeSymbolRegistration>,
                                      noName};
const ClassInfo symbolClass = {"SymbolClass", thunk<SymbolClass, describeSymbolClass>, noName};
const ClassInfo symbolType = {"SymbolType", thunk<SymbolType, describeSymbolType>, noName};
const ClassInfo capability = {"Capability", thunk<Capability, describeCapability>, noName};
const ClassInfo line = {"Line", thunk<Line, describeLine>, noName};
const ClassInfo point = {"Point", thunk<Point, describePoint>, noName};
const ClassInfo fieldRegistration = {"FieldRegistration", thunk<FieldRegistration, describeFieldRegistration>, noName};
const ClassInfo field = {"Field", thunk<Field, describeField>, noName};
const ClassInfo snmppvReg = {"SnmppvReg", thunk<SnmppvReg, describeSnmppvReg>, noName};
const ClassInfo snmppvCgi = {"SnmppvCgi", thunk<SnmppvCgi, describeSnmppvCgi>, noName};
const ClassInfo acceptArgument = {"AcceptArgument", thunk<AcceptArgument, describeAcceptArgument>, noName};
const ClassInfo ignoreAction = {"IgnoreAction", thunk<IgnoreAction, describeIgnoreAction>, noName};

// The views (the tabs) are left out: they are no class of their own.
const Entry all[] = {
    {&applicationRegistration, make<ApplicationRegistration>, dispose<ApplicationRegistration>},
    {&menuBar, make<MenuBar>, dispose<MenuBar>},
    {&menu, make<Menu>, dispose<Menu>},
    {&menuItem, make<MenuItem>, dispose<MenuItem>},
    {&popupMenu, make<PopupMenu>, dispose<PopupMenu>},
    {&popupItem, make<PopupItem>, dispose<PopupItem>},
    {&toolbarButton, make<ToolbarButton>, dispose<ToolbarButton>},
    {&function, make<Function>, dispose<Function>},
    {&action, make<Action>, dispose<Action>},
    {&command, make<Command>, dispose<Command>},
    {&window, make<Window>, dispose<Window>},
    {&application, make<Application>, dispose<Application>},
    {&enrollment, make<Enrollment>, dispose<Enrollment>},
    {&rule, make<Rule>, dispose<Rule>},
    {&fieldEnrollment, make<FieldEnrollment>, dispose<FieldEnrollment>},
    {&dropAction, make<DropAction>, dispose<DropAction>},
    {&expression, make<ParserExpression>, dispose<ParserExpression>},
    {&tab, make<Tab>, dispose<Tab>},
    {&parserList, make<ParserList>, dispose<ParserList>},
    {&listItem, make<ListItem>, dispose<ListItem>},
    {&symbolRegistration, make<SymbolRegistration>, dispose<SymbolRegistration>},
    {&symbolClass, make<SymbolClass>, dispose<SymbolClass>},
    {&symbolType, make<SymbolType>, dispose<SymbolType>},
    {&capability, make<Capability>, dispose<Capability>},
    {&line, make<Line>, dispose<Line>},
    {&point, make<Point>, dispose<Point>},
    {&fieldRegistration, make<FieldRegistration>, dispose<FieldRegistration>},
    {&field, make<Field>, dispose<Field>},
    {&snmppvReg, make<SnmppvReg>, dispose<SnmppvReg>},
    {&snmppvCgi, make<SnmppvCgi>, dispose<SnmppvCgi>},
    {&acceptArgument, make<AcceptArgument>, dispose<AcceptArgument>},
    {&ignoreAction, make<IgnoreAction>, dispose<IgnoreAction>},
};
const int count = static_cast<int>(sizeof all / sizeof all[0]);

} // namespace described

} // namespace kivparser
