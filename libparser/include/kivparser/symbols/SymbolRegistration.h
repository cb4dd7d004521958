#ifndef KIVPARSER_SYMBOLS_SYMBOLREGISTRATION_H
#define KIVPARSER_SYMBOLS_SYMBOLREGISTRATION_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class SymbolClass;

// The root of a symbol registration: the symbol classes in order of first
// appearance, behind an unnamed head.
class KIVPARSER_API SymbolRegistration final : public SList {
public:
    SymbolRegistration();
    ~SymbolRegistration();

    SymbolRegistration* next() { return static_cast<SymbolRegistration*>(_next); }

    SymbolClass* lookupSymbolClass(const char* name);
    const SymbolClass* lookupSymbolClass(const char* name) const
    {
        return const_cast<SymbolRegistration*>(this)->lookupSymbolClass(name);
    }
    SymbolClass* newSymbolClass(char* name);

    // Prints every class with its types on standard output.
    void debugDump() const;
    // Records, for every symbol type, the bitmap sizes installed below
    // `dirname` for its file base and the directory they were found in.
    void StoreBitmapSizes(const char* dirname, int fastMode, const char* bitmapExtStr);

    SymbolClass* symbolClasses;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::SymbolRegistration;
#endif

#endif
