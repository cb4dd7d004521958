#ifndef KIVPARSER_SYMBOLS_SYMBOL_H
#define KIVPARSER_SYMBOLS_SYMBOL_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class Capability;
class Line;

// Default layout of the submap of a symbol.
enum LayoutType {
    LYT_NA = -1,
    LYT_RING = 0,
    LYT_BUS = 1,
    LYT_STAR = 2,
    LYT_POINTTOPOINT = 3,
    LYT_ROWCOLUMN = 4,
    LYT_NONE = 5
};

// Where the status of a symbol comes from by default.
enum DefaultStatusSourceType { DSS_NA = -1, DSS_COMPOUND = 0, DSS_OBJECT = 1, DSS_SYMBOL = 2 };

// The attributes symbol classes and symbol types share. Once a definition
// block has ended (`locked` non-zero) the setters keep the held values and
// release what they are given: the first definition wins.
class KIVPARSER_API _Symbol : public SList {
public:
    void setCapabilities(Capability* list);
    void setCursorSize(int size);
    void setDefaultStatusSource(DefaultStatusSourceType source);
    void setDisplayString(char* text);
    void setFileBase(char* base);
    void setLayout(LayoutType type);
    void setLine(Line* newLine);
    void setThickness(int value);

    char* symbolID;
    char* fileBase;
    int cursorSize;
    LayoutType layout;
    Capability* capabilities;
    DefaultStatusSourceType defaultStatusSource;
    Line* line;
    char* displayString;
    int thickness;
    int locked;

protected:
    _Symbol();
    explicit _Symbol(char* name);
    ~_Symbol();

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::LayoutType;
using kivparser::LYT_NA;
using kivparser::LYT_RING;
using kivparser::LYT_BUS;
using kivparser::LYT_STAR;
using kivparser::LYT_POINTTOPOINT;
using kivparser::LYT_ROWCOLUMN;
using kivparser::LYT_NONE;
using kivparser::DefaultStatusSourceType;
using kivparser::DSS_NA;
using kivparser::DSS_COMPOUND;
using kivparser::DSS_OBJECT;
using kivparser::DSS_SYMBOL;
using kivparser::_Symbol;
#endif

#endif
