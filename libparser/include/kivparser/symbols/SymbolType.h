#ifndef KIVPARSER_SYMBOLS_SYMBOLTYPE_H
#define KIVPARSER_SYMBOLS_SYMBOLTYPE_H

#include <kivparser/export.h>
#include <kivparser/symbols/Symbol.h>

namespace kivparser {

class String;

// A symbol type of a class. Besides the shared attributes it carries what
// bitmap discovery found on disk: the installed pixel sizes and the directory
// (language directory first) they were found in. Those two are set whatever
// the type's locked state.
class KIVPARSER_API SymbolType final : public _Symbol {
public:
    SymbolType();
    explicit SymbolType(char* name);
    ~SymbolType();

    SymbolType* next() { return static_cast<SymbolType*>(_next); }

    void setAvailableBitmapSizes(String* list);
    void setFileBaseDir(char* dir);

    String* availableBitmapSizes;
    char* fileBaseDir;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::SymbolType;
#endif

#endif
