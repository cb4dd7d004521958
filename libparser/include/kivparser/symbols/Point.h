#ifndef KIVPARSER_SYMBOLS_POINT_H
#define KIVPARSER_SYMBOLS_POINT_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

// A point of a symbol outline; also the element of a segment list, whose
// head is an unnamed Point.
class KIVPARSER_API Point final : public SList {
public:
    Point();
    Point(int x, int y);
    ~Point() = default;

    Point* next() { return static_cast<Point*>(_next); }

    int x;
    int y;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::Point;
#endif

#endif
