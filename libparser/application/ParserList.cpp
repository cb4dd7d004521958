#include "application/ParserList.h"

ParserList::ParserList() : _ParserList()
{
}

ParserList::ParserList(char* id) : _ParserList(id)
{
}

ParserList::~ParserList() = default;
