#ifndef KIVPARSER_SYMBOLS_SNMPPVCGI_H
#define KIVPARSER_SYMBOLS_SNMPPVCGI_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class String;
class AcceptArgument;
class IgnoreAction;

// One CGI program of the web viewer. Once its first definition block has
// ended (`locked` non-zero) its texts, version, command and paths stay as
// they are; its accept arguments and ignore actions keep growing with every
// later definition of the same name.
class KIVPARSER_API SnmppvCgi final : public SList {
public:
    SnmppvCgi();
    explicit SnmppvCgi(char* name);
    ~SnmppvCgi();

    SnmppvCgi* next() { return static_cast<SnmppvCgi*>(_next); }

    void setDescriptions(String* list);
    void setCopyrights(String* list);
    void setVersion(char* text);
    void setCommandName(char* text);
    void setCgiPath(char* path);
    void setIconPath(char* path);

    AcceptArgument* newAcceptArgument(char* optionName);
    IgnoreAction* newIgnoreAction(char* appName);

    char* cgiNameID;
    String* descriptions;
    String* copyrights;
    char* version;
    char* commandName;
    char* cgiPath;
    char* iconPath;
    AcceptArgument* acceptArguments;
    IgnoreAction* ignoreActions;
    int locked;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::SnmppvCgi;
#endif

#endif
