#include "lsp/KeywordHelp.h"

#include <cstring>

namespace {

struct Entry {
    const char* word;
    const char* text;
};

const Entry entries[] = {
    {"application", "Application \"NAME\" [: \"PARENT\"] { ... }: one application per file, with its menus, actions and dialogs."},
    {"description", "Description { \"line\", ... }: the application's description, one string per line."},
    {"copyright", "Copyright { \"line\", ... }: the application's copyright lines."},
    {"version", "Version \"TEXT\";: the application's version."},
    {"displaystring", "DisplayString \"TEXT\";: the text shown for the application or action."},
    {"helpdirectory", "HelpDirectory \"DIR\";: where the application's help files are."},
    {"namefield", "NameField \"FIELD\", ...;: the fields that name a selected object, in the order they are tried."},
    {"command", "Command [-Initial] [-Shared] [-Restart] \"COMMAND LINE\" [on HOST [StartedBy LAUNCHER]];: what runs the application or action."},
    {"menubar", "MenuBar <PRECEDENCE> \"NAME\" _M { entries }: a menu bar shared by every application; the entries of all files are merged in precedence order."},
    {"menu", "Menu \"NAME\" { entries }: a cascade of the application, opened by f.menu \"NAME\"; blocks of the same name merge."},
    {"popupmenu", "PopupMenu \"NAME\" { entries }: a popup menu of the application, opened by a popup item's f.menu \"NAME\"."},
    {"popupitem", "PopupItem <PRECEDENCE> \"LABEL\" context RULE targetsymboltype CLASS : TYPE FUNCTION;: an entry of the symbols' popup menu."},
    {"toolbarbutton", "ToolbarButton <PRECEDENCE> \"LABEL\" ... FUNCTION;: a button of the shared toolbar."},
    {"action", "Action \"NAME\" { ... }: what a menu entry runs (f.action \"NAME\"): selection rule, command or URL, roles, window."},
    {"selectionrule", "SelectionRule EXPRESSION;: which selected objects the action accepts."},
    {"minselected", "MinSelected N;: the fewest objects that must be selected for the action."},
    {"maxselected", "MaxSelected N;: the most objects that may be selected for the action."},
    {"callbackargs", "CallbackArgs \"ARGUMENTS\";: arguments handed to the application's callback."},
    {"access", "Access \"ROLE\", ...;: the roles that may run the action (none given: every role)."},
    {"url", "URL \"PATH\";: the web page the action opens."},
    {"webwindow", "WebWindow { ... }: the browser window an action's URL opens in."},
    {"dropaction", "DropAction \"NAME\" { ... }: what dropping objects on a symbol does."},
    {"enroll", "Enroll: the dialogs that edit the fields of objects (Add, Describe, Connect, Configuration)."},
    {"tab", "Tab <PRECEDENCE> \"NAME\" icon \"ICON\" { entries }: a tab of the shared tab bar; its entries open lists (f.list)."},
    {"list", "List \"NAME\" icon \"ICON\" { entries }: a list, opened by f.list \"NAME\"."},
    {"context", "context RULE: the objects for which the entry is shown."},
    {"targetsymboltype", "targetsymboltype CLASS : TYPE (or any): the symbol types a popup item is for."},
    {"symbolclass", "SymbolClass \"NAME\" { ... }: a class of map symbols with its shape and capabilities."},
    {"symboltype", "SymbolType \"CLASS\" : \"NAME\" { ... }: a symbol type of a class."},
    {"field", "Field \"NAME\" { ... }: a field of the object database (type, flags, enumeration); in Enroll: a field of a dialog."},
    {"cgi", "Cgi \"NAME\" { ... }: a CGI program of the web viewer, with the arguments it accepts."},
    {"f.action", "f.action \"NAME\": the entry runs the application's action NAME."},
    {"f.menu", "f.menu \"NAME\": the entry opens the application's menu NAME (in a popup item: its popup menu NAME)."},
    {"f.list", "f.list \"NAME\": the entry opens the list NAME."},
    {"if", "if EXPRESSION { ... }: what follows holds only for objects that match the expression."},
    {"on", "on: a switch set on; after Command: the host the command runs on."},
    {"off", "off: a switch set off."},
};

} // namespace

const char* KeywordHelp::line(const char* word)
{
    for (const Entry& entry : entries) {
        if (std::strcmp(entry.word, word) == 0)
            return entry.text;
    }
    return nullptr;
}
