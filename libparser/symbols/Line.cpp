#include "kivparser/symbols/Line.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

namespace kivparser {

Line::Line() : SList(), lineStyle(LNT_NA), dashLengths(nullptr) {}

Line::~Line()
{
    SListOps::disposeList(dashLengths);
}

void Line::setLineStyle(LineStyleType style)
{
    lineStyle = style;
}

void Line::setDashLenghs(String* list)
{
    SListOps::setList(0, dashLengths, list);
}

} // namespace kivparser
