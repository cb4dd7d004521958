#include "kivparser/symbols/SymbolType.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

SymbolType::SymbolType() : _Symbol(), availableBitmapSizes(nullptr), fileBaseDir(nullptr) {}

SymbolType::SymbolType(char* name) : _Symbol(name), availableBitmapSizes(nullptr), fileBaseDir(nullptr) {}

SymbolType::~SymbolType()
{
    SListOps::disposeList(availableBitmapSizes);
    free(fileBaseDir);
}

// What bitmap discovery finds on disk is not part of the definition: a frozen
// type still takes it.
void SymbolType::setAvailableBitmapSizes(String* list)
{
    SListOps::setList(0, availableBitmapSizes, list);
}

void SymbolType::setFileBaseDir(char* dir)
{
    SListOps::setText(0, fileBaseDir, dir);
}

} // namespace kivparser
