#include "kivparser/symbols/AcceptArgument.h"
#include "lists/SListOps.h"
#include "kivparser/lists/String.h"

#include <cstdlib>

namespace kivparser {

AcceptArgument::AcceptArgument() : AcceptArgument(nullptr) {}

AcceptArgument::AcceptArgument(char* name) : SList(), optionName(name), optionArgs(nullptr), isNoArgs(0) {}

AcceptArgument::~AcceptArgument()
{
    free(optionName);
    SListOps::disposeList(optionArgs);
}

void AcceptArgument::setOptionArgs(String* list)
{
    SListOps::setList(0, optionArgs, list);
}

void AcceptArgument::setOptionWithoutArgs()
{
    isNoArgs = 1;
}

} // namespace kivparser
