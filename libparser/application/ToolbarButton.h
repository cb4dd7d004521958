#ifndef KIVPARSER_APPLICATION_TOOLBARBUTTON_H
#define KIVPARSER_APPLICATION_TOOLBARBUTTON_H

#include "application/_MenuItem.h"

// A toolbar button: linked to an action, never to a menu.
class ToolbarButton final : public _MenuItem {
public:
    ToolbarButton();
    ToolbarButton(int precedence, char* label, int isBitmap, char* contextExpr, Function* function);
    ~ToolbarButton();

    ToolbarButton* next() { return static_cast<ToolbarButton*>(_next); }

    // The "ToolbarButton" block of the dump.
    void debugDump(int showLinks);
};

#endif
