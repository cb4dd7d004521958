#ifndef KIVPARSER_SYMBOLS_IGNOREACTION_H
#define KIVPARSER_SYMBOLS_IGNOREACTION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class String;

// The actions of one application for which a CGI is not offered;
// `actionNamesAll` is 1 when every action of the application is meant.
class KIVPARSER_API IgnoreAction final : public SList {
public:
    IgnoreAction();
    explicit IgnoreAction(char* name);
    ~IgnoreAction();

    IgnoreAction* next() { return static_cast<IgnoreAction*>(_next); }

    void setActionNames(String* list);
    void setActionNamesAll();

    char* appName;
    String* actionNames;
    int actionNamesAll;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::IgnoreAction;
#endif

#endif
