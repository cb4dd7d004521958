#ifndef KIVPARSER_SYMBOLS_LINE_H
#define KIVPARSER_SYMBOLS_LINE_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class String;

// How the line of a connection symbol is drawn.
enum LineStyleType { LNT_NA = -1, LNT_SOLID = 0, LNT_DASH = 1 };

// The line of a symbol: a style and the dash lengths (integer values).
class KIVPARSER_API Line final : public SList {
public:
    Line();
    ~Line();

    Line* next() { return static_cast<Line*>(_next); }

    void setLineStyle(LineStyleType style);
    // The name is part of the published interface and is spelt so.
    void setDashLenghs(String* list);

    LineStyleType lineStyle;
    String* dashLengths;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::LineStyleType;
using kivparser::LNT_NA;
using kivparser::LNT_SOLID;
using kivparser::LNT_DASH;
using kivparser::Line;
#endif

#endif
