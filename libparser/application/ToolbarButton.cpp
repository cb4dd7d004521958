#include "kivparser/application/ToolbarButton.h"
#include "application/MenuTrace.h"

namespace kivparser {

ToolbarButton::ToolbarButton() : _MenuItem()
{
    menuTrace(menuItemTraceVerbose, "ToolbarButton::ToolbarButton(%s)\n", label);
}

ToolbarButton::ToolbarButton(int thePrecedence, char* theLabel, int theIsBitmap, char* theContextExpr,
                             Function* theFunction)
    : _MenuItem(thePrecedence, theLabel, theIsBitmap, theContextExpr, theFunction)
{
    menuTrace(menuItemTraceVerbose, "ToolbarButton::ToolbarButton(%s)\n", label);
}

ToolbarButton::~ToolbarButton()
{
    menuTrace(menuItemTraceVerbose, "ToolbarButton::~ToolbarButton(%s)\n", label);
}

} // namespace kivparser
