#ifndef KIVPARSER_SYMBOLS_IGNOREACTION_H
#define KIVPARSER_SYMBOLS_IGNOREACTION_H

#include "lists/SList.h"

class String;

// The actions of one application for which a CGI is not offered;
// `actionNamesAll` is 1 when every action of the application is meant.
class IgnoreAction final : public SList {
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

#endif
