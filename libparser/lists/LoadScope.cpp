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

LoadScope::LoadScope() : opened_(nullptr)
{
    if (atWork)
        return;
    opened_ = new (std::nothrow) LoadState();
    atWork = opened_;
}

LoadScope::~LoadScope()
{
    if (!opened_)
        return;
    atWork = nullptr;
    delete opened_;
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
