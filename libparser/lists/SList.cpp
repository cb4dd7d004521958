#include "kivparser/lists/SList.h"
#include "kivparser/language/KivParser.h"
#include "lists/Pool.h"
#include "lists/SListIndex.h"

namespace kivparser {

SList::SList() : _tail(this), _next(nullptr), _base(this), _application(nullptr)
{
    initApplication();
}

SList::~SList()
{
    if (SListIndex* index = SListIndex::atWork())
        index->destroyed(this);
}

void* SList::operator new(std::size_t size)
{
    return Pool::allocateOrThrow(size);
}

void* SList::operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Pool::allocate(size);
}

void SList::operator delete(void* object, std::size_t size) noexcept
{
    Pool::release(object, size);
}

void SList::initApplication()
{
    KivParser* parser = KivParser::parserAtWork();
    _application = parser ? parser->curApplication : nullptr;
}

void SList::insert(SList* item)
{
    if (!item)
        return;
    if (!_next)
        _tail = item;
    item->_next = _next;
    _next = item;
    item->_base = this;
    if (SListIndex* index = SListIndex::atWork())
        index->linked(nullptr, this, item);
}

void SList::append(SList* item)
{
    if (!item)
        return;
    SList* last = _tail;
    last->_next = item;
    _tail = item;
    item->_base = this;
    if (SListIndex* index = SListIndex::atWork())
        index->linked(this, last, item);
}

void SList::pullaway(SList* item)
{
    if (item) {
        // The element before it: known to the index of a long sorted list,
        // else found by walking.
        SList* prev = SListIndex::before(this, item);
        if (!prev || prev->_next != item)
            for (prev = this; prev->_next && prev->_next != item;)
                prev = prev->_next;
        if (prev->_next == item) {
            prev->_next = item->_next;
            item->_next = nullptr;
            if (!prev->_next)
                _tail = prev;
            if (SListIndex* index = SListIndex::atWork())
                index->unlinked(prev, item);
        }
    }
    _base = this;
}

void SList::remove()
{
    if (_base != this)
        _base->pullaway(this);
}

} // namespace kivparser
