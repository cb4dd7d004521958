#include "kivparser/symbols/Point.h"

namespace kivparser {

Point::Point() : SList(), x(0), y(0) {}

Point::Point(int x, int y) : SList(), x(x), y(y) {}

} // namespace kivparser
