#include "kivparser/application/ParserList.h"

namespace kivparser {

ParserList::ParserList() : _ParserList()
{
}

ParserList::ParserList(char* id) : _ParserList(id)
{
}

ParserList::~ParserList() = default;

} // namespace kivparser
