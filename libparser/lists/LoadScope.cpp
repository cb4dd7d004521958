#include "lists/LoadScope.h"
#include "application/MenuLinks.h"
#include "lists/SListIndex.h"

#include <new>

namespace kivparser {

struct LoadState {
    SListIndex index;
    MenuLinks links;
};

namespace {

thread_local LoadState* atWork = nullptr;

} // namespace

LoadScope::LoadScope() : openedHere(nullptr)
{
    if (atWork)
        return;
    openedHere = new (std::nothrow) LoadState();
    atWork = openedHere;
}

LoadScope::~LoadScope()
{
    if (!openedHere)
        return;
    atWork = nullptr;
    delete openedHere;
}

SListIndex* LoadScope::listIndex()
{
    return atWork ? &atWork->index : nullptr;
}

MenuLinks* LoadScope::menuLinks()
{
    return atWork ? &atWork->links : nullptr;
}

} // namespace kivparser
