#ifndef KIVPARSER_APPLICATION_TOOLBARBUTTON_H
#define KIVPARSER_APPLICATION_TOOLBARBUTTON_H

#include <kivparser/export.h>
#include <kivparser/application/_MenuItem.h>

namespace kivparser {

// A toolbar button: linked to an action, never to a menu.
class KIVPARSER_API ToolbarButton final : public _MenuItem {
public:
    ToolbarButton();
    ToolbarButton(int precedence, char* label, int isBitmap, char* contextExpr, Function* function);
    ~ToolbarButton();

    ToolbarButton* next() { return static_cast<ToolbarButton*>(_next); }

    // The "ToolbarButton" block of the dump.
    void debugDump(int showLinks);
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ToolbarButton;
#endif

#endif
