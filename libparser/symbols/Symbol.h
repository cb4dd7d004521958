#ifndef KIVPARSER_SYMBOLS_SYMBOL_H
#define KIVPARSER_SYMBOLS_SYMBOL_H

#include "lists/SList.h"

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
class _Symbol : public SList {
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

    // The locked-setter rule for plain values (numbers, enumerations).
    template <class T>
    void setPlain(T& field, T value)
    {
        if (!locked)
            field = value;
    }

private:
    void _init();
};

#endif
