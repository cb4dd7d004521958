#include "kivparser/dump/JsonExport.h"

#include "dump/JsonWriter.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
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
#include "kivparser/lists/String.h"
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

#include <new>
#include <vector>

namespace kivparser {

namespace {

// The export walks the model with a stack of tasks instead of recursion, so
// that the depth of the model (expression trees, chains of linked menus)
// never becomes the depth of the C++ stack. Taking a task writes its member
// name and then either a value or, for an object, the opening brace; the
// object's members are then pushed as tasks of their own, in reverse order,
// followed by the closing brace.
enum Op : unsigned char {
    // Values.
    END_OBJECT,
    END_ARRAY,
    BEGIN_ARRAY,
    TEXT,
    NUMBER,
    VALUES, // a value list (String*), see ValueFilter
    // Objects.
    ARF,
    TABS,
    SRF,
    FRF,
    SVRF,
    MENU_BAR,
    MENU,
    MENU_ITEM,
    DUP_MENU_ITEM,
    POPUP_MENU,
    POPUP_ITEM,
    TOOLBAR_BUTTON,
    FUNCTION,
    ACTION,
    ACTION_SHORT,
    COMMAND,
    WINDOW,
    APPLICATION,
    ENROLLMENT,
    RULE,
    FIELD_ENROLLMENT,
    DROP_ACTION,
    EXPRESSION,
    TAB,
    PARSER_LIST,
    LIST_ITEM,
    SYMBOL_CLASS,
    SYMBOL_TYPE,
    CAPABILITY,
    LINE,
    POINT,
    FIELD,
    CGI,
    ACCEPT_ARGUMENT,
    IGNORE_ACTION
};

// Flags of a task.
enum : unsigned char {
    LINKS = 1,        // items show the menus and actions they link to
    IN_POPUP_MENU = 2, // a popup item inside a linked popup menu (no target type)
    LINKED = 4,       // a popup menu reached through a link
    // Value lists: which values the dump prints, and null for a missing list.
    TEXTS_ONLY = 8,
    INTEGERS_ONLY = 16,
    NULL_IF_NONE = 32
};

struct Task {
    Op op;
    unsigned char flags;
    const char* key;
    union {
        void* object;
        const char* text;
        long number;
    };
};

// Collects the tasks of one object's members in writing order.
class Members {
public:
    explicit Members(std::vector<Task>& tasks) : taskList(tasks) {}

    void text(const char* key, const char* value) { add(TEXT, 0, key).text = value; }
    void number(const char* key, long value) { add(NUMBER, 0, key).number = value; }
    void values(const char* key, String* head, unsigned char flags = 0) { add(VALUES, flags, key).object = head; }
    // An object, or null.
    template <class T>
    void object(const char* key, Op op, T* object, unsigned char flags = 0)
    {
        add(op, flags, key).object = static_cast<void*>(object);
    }
    // An array of the elements of a list that `keep` accepts.
    template <class T, class Keep>
    void array(const char* key, Op op, T* first, unsigned char flags, Keep keep)
    {
        add(BEGIN_ARRAY, 0, key);
        for (T* element = first; element; element = element->next()) {
            if (keep(element))
                object(nullptr, op, element, flags);
        }
        add(END_ARRAY, 0, nullptr);
    }
    template <class T>
    void array(const char* key, Op op, T* first, unsigned char flags = 0)
    {
        array(key, op, first, flags, [](T*) { return true; });
    }

private:
    Task& add(Op op, unsigned char flags, const char* key)
    {
        taskList.push_back(Task{op, flags, key, {nullptr}});
        return taskList.back();
    }

    std::vector<Task>& taskList;
};

// The first element of a list held through a placeholder head.
template <class T>
T* firstOf(T* head)
{
    return head ? head->next() : nullptr;
}

template <class Item>
Item* firstItem(_Menu* menu)
{
    return menu->menuItems ? static_cast<Item*>(menu->menuItems)->next() : nullptr;
}

const char* appNameOf(Application* app)
{
    return app ? app->appName : nullptr;
}

const char* opText(ParserExpression* e)
{
    switch (e->op) {
    case EOP_NA:
        return "n/a";
    case EOP_TERM:
        return "term";
    default:
        return getOpString(e->op);
    }
}

// What the items of menus, popup menus and toolbars share, in the dump's order.
void itemHead(Members& m, _MenuItem* item)
{
    m.number("precedence", item->precedence);
    m.text("label", item->label);
    m.number("isBitmap", item->isBitmap);
}

// The menu (of type Linked) and the action an item links to, where the dump
// shows links.
template <class Linked>
void itemLinks(Members& m, _MenuItem* item, Op menuOp, unsigned char flags)
{
    if (!(flags & LINKS))
        return;
    m.object("menuLink", menuOp, static_cast<Linked*>(item->menuLink), flags);
    m.object("actionLink", ACTION, item->actionLink);
}

void listBody(Members& m, _ParserList* list)
{
    m.text("iconName", list->iconName);
    m.values("activeHelp", list->activeHelp);
    m.array("menuItems", LIST_ITEM, firstItem<ListItem>(list));
}

void symbolShared(Members& m, _Symbol* symbol)
{
    m.text("symbolID", symbol->symbolID);
    m.text("fileBase", symbol->fileBase);
    m.number("cursorSize", symbol->cursorSize);
    m.number("layout", symbol->layout);
    m.array("capabilities", CAPABILITY, firstOf(symbol->capabilities));
    m.number("defaultStatusSource", symbol->defaultStatusSource);
    m.object("line", LINE, symbol->line);
    m.text("displayString", symbol->displayString);
    m.number("thickness", symbol->thickness);
}

// The members of one object, as the text dump shows them.
void members(Members& m, const Task& task)
{
    void* object = task.object;
    unsigned char flags = task.flags;
    switch (task.op) {
    case ARF: {
        auto* reg = static_cast<ApplicationRegistration*>(object);
        m.array("menuBars", MENU_BAR, reg->menuBars, 0, [](MenuBar* bar) { return bar->menuID != nullptr; });
        m.array("popupItems", POPUP_ITEM, firstOf(reg->popupItems), LINKS);
        m.array("toolbarButtons", TOOLBAR_BUTTON, firstOf(reg->toolbarButtons), LINKS);
        m.array("applications", APPLICATION, reg->applications, 0,
                [](Application* app) { return app->appName != nullptr; });
        break;
    }
    case TABS: {
        auto* reg = static_cast<ApplicationRegistration*>(object);
        m.array("tabs", TAB, reg->tabs, 0, [](Tab* tab) { return tab->menuID != nullptr; });
        break;
    }
    case SRF:
        m.array("symbolClasses", SYMBOL_CLASS, firstOf(static_cast<SymbolRegistration*>(object)->symbolClasses));
        break;
    case FRF:
        m.array("fields", FIELD, firstOf(static_cast<FieldRegistration*>(object)->fields));
        break;
    case SVRF:
        m.array("snmppvCgis", CGI, firstOf(static_cast<SnmppvReg*>(object)->snmppvCgis));
        break;
    case MENU_BAR: {
        auto* bar = static_cast<MenuBar*>(object);
        m.text("menuID", bar->menuID);
        m.number("precedence", bar->precedence);
        m.text("mnemonic", bar->mnemonic);
        m.array("menuItems", MENU_ITEM, firstItem<MenuItem>(bar), LINKS);
        break;
    }
    case MENU: {
        auto* menu = static_cast<Menu*>(object);
        m.text("menuID", menu->menuID);
        m.array("menuItems", MENU_ITEM, firstItem<MenuItem>(menu), flags & LINKS);
        break;
    }
    case MENU_ITEM: {
        auto* item = static_cast<MenuItem*>(object);
        itemHead(m, item);
        m.text("mnemonic", item->mnemonic);
        m.text("accelerator", item->accelerator);
        m.text("contextExpr", item->contextExpr);
        m.object("function", FUNCTION, item->function);
        itemLinks<Menu>(m, item, MENU, flags);
        m.array("dupMenuItems", DUP_MENU_ITEM, firstOf(item->dupMenuItems), flags & LINKS);
        break;
    }
    case DUP_MENU_ITEM: {
        auto* dup = static_cast<MenuItem*>(object);
        m.object("function", FUNCTION, dup->function);
        if (flags & LINKS)
            m.object("actionLink", ACTION, dup->actionLink);
        break;
    }
    case POPUP_MENU: {
        auto* menu = static_cast<PopupMenu*>(object);
        m.text("menuID", menu->menuID);
        unsigned char itemFlags = (flags & LINKED) ? ((flags & LINKS) | IN_POPUP_MENU) : 0;
        m.array("menuItems", POPUP_ITEM, firstItem<PopupItem>(menu), itemFlags);
        break;
    }
    case POPUP_ITEM: {
        auto* item = static_cast<PopupItem*>(object);
        itemHead(m, item);
        m.text("contextExpr", item->contextExpr);
        m.object("function", FUNCTION, item->function);
        itemLinks<PopupMenu>(m, item, POPUP_MENU, static_cast<unsigned char>((flags & LINKS) ? LINKS | LINKED : 0));
        if (!(flags & IN_POPUP_MENU))
            m.text("targetSymbolType", item->targetSymbolType);
        break;
    }
    case TOOLBAR_BUTTON: {
        auto* button = static_cast<ToolbarButton*>(object);
        itemHead(m, button);
        m.text("contextExpr", button->contextExpr);
        m.object("function", FUNCTION, button->function);
        itemLinks<Menu>(m, button, MENU, flags);
        break;
    }
    case FUNCTION: {
        auto* function = static_cast<Function*>(object);
        m.text("shellCommand", function->shellCommand);
        m.text("functionType", function->functionType);
        m.text("functionArg", function->functionArg);
        break;
    }
    case ACTION: {
        auto* action = static_cast<Action*>(object);
        m.text("actionID", action->actionID);
        m.text("application", appNameOf(action->application));
        m.object("selectionRule", EXPRESSION, action->selectionRule);
        m.text("displayString", action->displayString);
        m.values("nameFields", action->nameFields);
        m.number("minSelected", action->minSelected);
        m.number("maxSelected", action->maxSelected);
        m.text("callbackArg", action->callbackArg);
        m.object("command", COMMAND, action->command);
        m.text("urlPath", action->urlPath);
        m.values("accesses", action->accesses, NULL_IF_NONE);
        m.object("window", WINDOW, action->window);
        break;
    }
    case ACTION_SHORT: {
        auto* action = static_cast<Action*>(object);
        m.text("actionID", action->actionID);
        m.text("application", appNameOf(action->application));
        m.text("urlPath", action->urlPath);
        m.values("accesses", action->accesses);
        m.object("window", WINDOW, action->window);
        break;
    }
    case COMMAND: {
        auto* command = static_cast<Command*>(object);
        m.number("processFlag", static_cast<long>(command->processFlag));
        m.text("commandName", command->commandName);
        m.text("hostSpec", command->hostSpec);
        m.text("launchSpec", command->launchSpec);
        break;
    }
    case WINDOW: {
        auto* window = static_cast<Window*>(object);
        m.text("windowID", window->windowID);
        m.number("type", window->type);
        m.number("status", window->status);
        m.number("scrollbar", window->scrollbar);
        m.number("toolbar", window->toolbar);
        m.number("location", window->location);
        m.number("resizable", window->resizable);
        m.number("width", window->width);
        m.number("height", window->height);
        break;
    }
    case APPLICATION: {
        auto* app = static_cast<Application*>(object);
        m.text("appName", app->appName);
        m.text("appParent", appNameOf(app->appParent));
        m.values("descriptions", app->descriptions);
        m.text("displayString", app->displayString);
        m.text("verificationKey", app->verificationKey);
        m.text("helpDirectory", app->helpDirectory);
        m.values("nameFields", app->nameFields);
        m.object("command", COMMAND, app->command);
        m.text("version", app->version);
        m.values("copyrights", app->copyrights);
        m.array("menus", MENU, app->menus, 0, [](Menu* menu) { return menu->menuID != nullptr; });
        m.array("popupMenus", POPUP_MENU, app->popupMenus, 0,
                [](PopupMenu* menu) { return menu->menuID != nullptr; });
        m.array("actions", ACTION, app->actions, 0, [](Action* action) { return action->actionID != nullptr; });
        m.array("enrollments", ENROLLMENT, app->enrollments, 0,
                [](Enrollment* e) { return e->enrollOp >= ENR_ADD && e->enrollOp <= ENR_CONFIG; });
        m.array("dropActions", DROP_ACTION, app->dropActions, 0,
                [](DropAction* drop) { return drop->dropActionID != nullptr; });
        break;
    }
    case ENROLLMENT: {
        auto* enrollment = static_cast<Enrollment*>(object);
        m.number("enrollOp", enrollment->enrollOp);
        m.array("rules", RULE, firstOf(enrollment->rules));
        break;
    }
    case RULE: {
        auto* rule = static_cast<Rule*>(object);
        m.object("expr1", EXPRESSION, rule->expr1);
        m.object("expr2", EXPRESSION, rule->expr2);
        m.number("scale", rule->scale);
        m.number("initialVerify", rule->initialVerify);
        m.number("helpType", rule->helpType);
        m.text("helpName", rule->helpName);
        m.array("fieldEnrollments", FIELD_ENROLLMENT, firstOf(rule->fieldEnrollments));
        break;
    }
    case FIELD_ENROLLMENT: {
        auto* field = static_cast<FieldEnrollment*>(object);
        m.text("fieldEnrollName", field->fieldEnrollName);
        m.text("fieldLabel", field->fieldLabel);
        m.number("noDisplay", field->noDisplay);
        m.number("immediateVerify", field->immediateVerify);
        m.number("geometryX", field->geometryX);
        m.number("geometryY", field->geometryY);
        m.number("geometryWidth", field->geometryWidth);
        m.number("geometryHeight", field->geometryHeight);
        m.number("editPolicy", field->editPolicy);
        m.number("listDisplayPolicy", field->listDisplayPolicy);
        m.number("integerDisplayPolicy", field->integerDisplayPolicy);
        m.number("editPosition", field->editPosition);
        if (field->defaultValueType == VLU_INTEGER)
            m.number("defaultValue", field->defaultValue.defaultValue_integer);
        else
            m.text("defaultValue",
                   field->defaultValueType == VLU_STRING ? field->defaultValue.defaultValue_string : nullptr);
        break;
    }
    case DROP_ACTION: {
        auto* drop = static_cast<DropAction*>(object);
        m.text("dropActionID", drop->dropActionID);
        m.number("dropOp", static_cast<long>(drop->dropOp));
        m.object("selectionRule", EXPRESSION, drop->selectionRule);
        m.text("helpString", drop->helpString);
        break;
    }
    case EXPRESSION: {
        auto* e = static_cast<ParserExpression*>(object);
        m.text("op", opText(e));
        if (e->op == EOP_TERM) {
            m.text("term", e->term);
        } else if (e->op != EOP_NA) {
            m.object("expr1", EXPRESSION, e->expr1);
            if (e->op != EOP_NOT)
                m.object("expr2", EXPRESSION, e->expr2);
        }
        break;
    }
    case TAB: {
        auto* tab = static_cast<Tab*>(object);
        m.text("menuID", tab->menuID);
        m.number("precedence", tab->precedence);
        listBody(m, tab);
        break;
    }
    case PARSER_LIST: {
        auto* list = static_cast<ParserList*>(object);
        m.text("menuID", list->menuID);
        listBody(m, list);
        break;
    }
    case LIST_ITEM: {
        auto* item = static_cast<ListItem*>(object);
        itemHead(m, item);
        m.text("iconName", item->iconName);
        m.values("activeHelp", item->activeHelp);
        m.object("function", FUNCTION, item->function);
        // linkList only ever links a list to a list item.
        m.object("menuLink", PARSER_LIST, static_cast<ParserList*>(item->menuLink));
        m.object("actionLink", ACTION_SHORT, item->actionLink);
        break;
    }
    case SYMBOL_CLASS: {
        auto* symbolClass = static_cast<SymbolClass*>(object);
        symbolShared(m, symbolClass);
        m.number("scale", symbolClass->scale);
        m.number("variety", symbolClass->variety);
        m.object("arcOrigin", POINT, symbolClass->arcOrigin);
        m.object("arcSize", POINT, symbolClass->arcSize);
        m.number("arcRotationStart", symbolClass->arcRotationStart);
        m.number("arcRotationDegree", symbolClass->arcRotationDegree);
        m.array("segments", POINT, firstOf(symbolClass->segments));
        m.array("symbolTypes", SYMBOL_TYPE, firstOf(symbolClass->symbolTypes));
        break;
    }
    case SYMBOL_TYPE: {
        auto* type = static_cast<SymbolType*>(object);
        symbolShared(m, type);
        m.values("availableBitmapSizes", type->availableBitmapSizes);
        m.text("fileBaseDir", type->fileBaseDir);
        break;
    }
    case CAPABILITY: {
        auto* cap = static_cast<Capability*>(object);
        m.text("fieldName", cap->fieldName);
        if (cap->valueType == VLU_INTEGER)
            m.number("value", cap->value_integer);
        else
            m.text("value", cap->valueType == VLU_STRING ? cap->value_string : nullptr);
        break;
    }
    case LINE: {
        auto* line = static_cast<Line*>(object);
        m.number("lineStyle", line->lineStyle);
        m.values("dashLengths", line->dashLengths, INTEGERS_ONLY);
        break;
    }
    case POINT: {
        auto* point = static_cast<Point*>(object);
        m.number("x", point->x);
        m.number("y", point->y);
        break;
    }
    case FIELD: {
        auto* field = static_cast<Field*>(object);
        m.text("fieldID", field->fieldID);
        m.number("fieldType", field->fieldType);
        m.number("fieldFlag", field->fieldFlag);
        m.values("fieldEnumerations", field->fieldEnumerations, TEXTS_ONLY);
        m.text("displayString", field->displayString);
        break;
    }
    case CGI: {
        auto* cgi = static_cast<SnmppvCgi*>(object);
        m.text("cgiNameID", cgi->cgiNameID);
        m.text("commandName", cgi->commandName);
        m.text("cgiPath", cgi->cgiPath);
        m.text("iconPath", cgi->iconPath);
        m.array("acceptArguments", ACCEPT_ARGUMENT, firstOf(cgi->acceptArguments));
        m.array("ignoreActions", IGNORE_ACTION, firstOf(cgi->ignoreActions));
        break;
    }
    case ACCEPT_ARGUMENT: {
        auto* arg = static_cast<AcceptArgument*>(object);
        m.text("optionName", arg->optionName);
        m.number("isNoArgs", arg->isNoArgs);
        // The dump lists no arguments for an option that takes none.
        if (arg->isNoArgs)
            m.values("optionArgs", nullptr, NULL_IF_NONE);
        else
            m.values("optionArgs", arg->optionArgs, TEXTS_ONLY);
        break;
    }
    case IGNORE_ACTION: {
        auto* ignore = static_cast<IgnoreAction*>(object);
        m.text("appName", ignore->appName);
        m.number("actionNamesAll", ignore->actionNamesAll);
        m.values("actionNames", ignore->actionNames, TEXTS_ONLY);
        break;
    }
    default:
        break;
    }
}

void writeValues(JsonWriter& json, String* head, unsigned char flags)
{
    if (!head && (flags & NULL_IF_NONE)) {
        json.null();
        return;
    }
    json.beginArray();
    for (String* value = firstOf(head); value; value = value->next()) {
        if (value->isInteger()) {
            if (!(flags & TEXTS_ONLY))
                json.number(value->integer);
        } else if (!(flags & INTEGERS_ONLY)) {
            json.string(value->str);
        }
    }
    json.endArray();
}

int exportDocument(FILE* out, Op op, void* root)
{
    if (!out || !root)
        return -1;
    // Like the text dumps: not while a parse is filling the registration.
    ParseLock lock;
    try {
        JsonWriter json(out);
        std::vector<Task> stack;
        std::vector<Task> pending;
        stack.push_back(Task{op, 0, nullptr, {root}});
        while (!stack.empty()) {
            Task task = stack.back();
            stack.pop_back();
            if (task.key)
                json.key(task.key);
            switch (task.op) {
            case END_OBJECT:
                json.endObject();
                continue;
            case END_ARRAY:
                json.endArray();
                continue;
            case BEGIN_ARRAY:
                json.beginArray();
                continue;
            case TEXT:
                json.string(task.text);
                continue;
            case NUMBER:
                json.number(task.number);
                continue;
            case VALUES:
                writeValues(json, static_cast<String*>(task.object), task.flags);
                continue;
            default:
                break;
            }
            if (!task.object) {
                json.null();
                continue;
            }
            json.beginObject();
            pending.clear();
            Members m(pending);
            members(m, task);
            stack.push_back(Task{END_OBJECT, 0, nullptr, {nullptr}});
            stack.insert(stack.end(), pending.rbegin(), pending.rend());
        }
        putc('\n', out);
    } catch (const std::bad_alloc&) {
        // Like every allocation that fails: reported, never a silent cut.
        reportOutOfMemory();
        return -1;
    }
    return ferror(out) ? -1 : 0;
}

} // namespace

int dumpJson(FILE* out, ApplicationRegistration* registration)
{
    return exportDocument(out, ARF, registration);
}

int dumpJsonTabs(FILE* out, ApplicationRegistration* registration)
{
    return exportDocument(out, TABS, registration);
}

int dumpJson(FILE* out, SymbolRegistration* registration)
{
    return exportDocument(out, SRF, registration);
}

int dumpJson(FILE* out, FieldRegistration* registration)
{
    return exportDocument(out, FRF, registration);
}

int dumpJson(FILE* out, SnmppvReg* registration)
{
    return exportDocument(out, SVRF, registration);
}

void writeJsonString(FILE* out, const char* text)
{
    if (out)
        JsonWriter::writeString(out, text);
}

} // namespace kivparser
