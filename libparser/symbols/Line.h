#ifndef KIVPARSER_SYMBOLS_LINE_H
#define KIVPARSER_SYMBOLS_LINE_H

#include "lists/SList.h"

class String;

// How the line of a connection symbol is drawn.
enum LineStyleType { LNT_NA = -1, LNT_SOLID = 0, LNT_DASH = 1 };

// The line of a symbol: a style and the dash lengths (integer values).
class Line final : public SList {
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

#endif
