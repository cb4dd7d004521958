#ifndef KIVPARSER_SYMBOLS_POINT_H
#define KIVPARSER_SYMBOLS_POINT_H

#include "lists/SList.h"

// A point of a symbol outline; also the element of a segment list, whose
// head is an unnamed Point.
class Point final : public SList {
public:
    Point();
    Point(int x, int y);
    ~Point() = default;

    Point* next() { return static_cast<Point*>(_next); }

    int x;
    int y;
};

#endif
