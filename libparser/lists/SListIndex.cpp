#include "lists/SListIndex.h"
#include "kivparser/application/Application.h"
#include "kivparser/lists/PSList.h"
#include "kivparser/lists/SList.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

namespace kivparser {

bool SListIndex::active = false;
bool SListIndex::sortedLink = false;

namespace {

enum { MIN_BUCKETS = 64 };

struct Index {
    SList* head = nullptr;
    long members = 0; // elements (the head included) that name this index

    bool names = false;
    std::ptrdiff_t offset = 0;
    bool duplicates = false; // some name occurs more than once
    std::unordered_map<std::string, SList*> first;

    bool order = false;
    bool unsortable = false; // found unsorted once: never indexed again
    int usePriority = 0;
    PSList* lastOf[SListIndex::MAX_PRECEDENCE + 1] = {};
};

// Process-wide, like the lists themselves: one thread at a time. Most list
// operations concern lists without an index; a bit per address (set for every
// element ever enlisted, the heads included) answers them without a look into
// the maps.
struct Registry {
    std::unordered_map<const SList*, Index*> heads;
    std::unordered_map<const SList*, Index*> members;
    enum { BITS = 1 << 21 };
    unsigned char seen[BITS / 8] = {};

    static size_t bit(const SList* element)
    {
        uintptr_t p = reinterpret_cast<uintptr_t>(element) >> 4;
        return (p ^ (p >> 21)) & (BITS - 1);
    }
    void mark(const SList* element) { seen[bit(element) / 8] |= (unsigned char)(1u << (bit(element) % 8)); }
    bool maybe(const SList* element) const { return seen[bit(element) / 8] & (1u << (bit(element) % 8)); }
};

Registry& registry()
{
    static Registry* instance = new Registry(); // lives as long as the process
    return *instance;
}

const char* nameAt(SList* element, std::ptrdiff_t offset)
{
    return *reinterpret_cast<char**>(reinterpret_cast<char*>(element) + offset);
}

Index* indexOf(const SList* element)
{
    Registry& r = registry();
    if (!r.maybe(element))
        return nullptr;
    auto found = r.members.find(element);
    return found == r.members.end() ? nullptr : found->second;
}

Index* indexFor(SList* head)
{
    Registry& r = registry();
    auto found = r.heads.find(head);
    if (found != r.heads.end())
        return found->second;
    Index* index = new Index();
    index->head = head;
    r.heads.emplace(head, index);
    r.mark(head);
    SListIndex::active = true;
    return index;
}

void enlist(Index* index, SList* element)
{
    registry().mark(element);
    auto placed = registry().members.emplace(element, index);
    if (placed.second) {
        index->members++;
    } else if (placed.first->second != index) {
        placed.first->second->members--;
        placed.first->second = index;
        index->members++;
    }
}

void delist(Index* index, const SList* element)
{
    if (registry().members.erase(element))
        index->members--;
}

void dropNames(Index* index)
{
    if (!index->names)
        return;
    index->names = false;
    index->duplicates = false;
    std::unordered_map<std::string, SList*>().swap(index->first); // frees the buckets too
}

void dropOrder(Index* index)
{
    if (!index->order)
        return;
    index->order = false;
    memset(index->lastOf, 0, sizeof index->lastOf);
}

void buildNames(SList* head, std::ptrdiff_t offset)
{
    Index* index = indexFor(head);
    dropNames(index);
    index->names = true;
    index->first.reserve(MIN_BUCKETS);
    index->offset = offset;
    for (SList* element = head; element; element = element->_next) {
        enlist(index, element);
        if (const char* name = nameAt(element, offset))
            if (!index->first.emplace(name, element).second)
                index->duplicates = true;
    }
}

bool inRange(int precedence) { return precedence >= 0 && precedence <= SListIndex::MAX_PRECEDENCE; }

void buildOrder(PSList* head)
{
    Index* index = indexFor(head);
    if (index->unsortable)
        return;
    dropOrder(index);
    int usePriority = head->order == PSLpriority;
    PSList* previous = nullptr;
    for (PSList* element = head->next(); element; previous = element, element = element->next()) {
        int precedence = element->getPrecedence();
        bool sorted = inRange(precedence);
        if (sorted && previous) {
            int before = previous->getPrecedence();
            sorted = before > precedence ||
                     (before == precedence &&
                      Application::collate(previous->getApplication(), element->getApplication(), usePriority) <= 0);
        }
        if (!sorted) {
            index->unsortable = true;
            memset(index->lastOf, 0, sizeof index->lastOf);
            return;
        }
        index->lastOf[precedence] = element;
    }
    enlist(index, head);
    for (SList* element = head->_next; element; element = element->_next)
        enlist(index, element);
    index->order = true;
    index->usePriority = usePriority;
}

} // namespace

SList* SListIndex::lookup(SList* head, std::ptrdiff_t offset, const char* name)
{
    if (!head || !name)
        return nullptr;
    if (active) {
        auto found = registry().heads.find(head);
        Index* index = found == registry().heads.end() ? nullptr : found->second;
        if (index && index->names && index->offset == offset) {
            auto hit = index->first.find(name);
            if (hit == index->first.end())
                return nullptr;
            const char* current = nameAt(hit->second, offset);
            if (current && strcmp(current, name) == 0)
                return hit->second;
            dropNames(index); // renamed behind the index's back: walk instead
        }
    }
    int steps = 0;
    SList* result = nullptr;
    for (SList* element = head; element; element = element->_next, ++steps) {
        const char* current = nameAt(element, offset);
        if (current && strcmp(current, name) == 0) {
            result = element;
            break;
        }
    }
    if (steps >= MIN_LENGTH)
        buildNames(head, offset);
    return result;
}

PSList* SListIndex::sortedStart(PSList* head, int precedence, Application* app, int usePriority)
{
    if (!active)
        return head;
    auto found = registry().heads.find(head);
    if (found == registry().heads.end())
        return head;
    Index* index = found->second;
    if (!index->order)
        return head;
    if (index->usePriority != usePriority || !inRange(precedence)) {
        dropOrder(index);
        return head;
    }
    // Behind the whole group of equal precedence when the new element does
    // not sort before its last element...
    PSList* last = index->lastOf[precedence];
    if (last && Application::collate(app, last->getApplication(), usePriority) >= 0)
        return last;
    // ...otherwise behind every element of a higher precedence.
    for (int higher = precedence + 1; higher <= MAX_PRECEDENCE; ++higher)
        if (index->lastOf[higher])
            return index->lastOf[higher];
    return head;
}

void SListIndex::placed(PSList* head, PSList* item, int precedence, PSList* cursor, int steps)
{
    Index* index = nullptr;
    if (active) {
        auto found = registry().heads.find(head);
        if (found != registry().heads.end())
            index = found->second;
    }
    if (index && index->order) {
        if (!inRange(precedence)) {
            dropOrder(index);
            return;
        }
        enlist(index, item);
        if (!cursor || cursor->getPrecedence() < precedence)
            index->lastOf[precedence] = item;
        return;
    }
    if (steps >= MIN_LENGTH)
        buildOrder(head);
}

void SListIndex::linked(SList* at, SList* item)
{
    Index* index = indexOf(at);
    if (!index)
        return;
    enlist(index, item);
    if (index->names) {
        if (const char* name = nameAt(item, index->offset)) {
            if (!index->first.emplace(name, item).second) {
                index->duplicates = true;
                // Behind the element that held the name first only when
                // it is last; otherwise its place among them is unknown.
                if (item->_next)
                    dropNames(index);
            }
        }
    }
    if (index->order && !sortedLink)
        dropOrder(index);
}

void SListIndex::unlinked(SList* before, SList* item)
{
    Index* index = indexOf(item);
    if (!index)
        return;
    delist(index, item);
    if (index->names) {
        if (const char* name = nameAt(item, index->offset)) {
            auto hit = index->first.find(name);
            if (hit != index->first.end() && hit->second == item) {
                if (index->duplicates)
                    dropNames(index);
                else
                    index->first.erase(hit);
            }
        }
    }
    if (index->order) {
        PSList* element = static_cast<PSList*>(item);
        int precedence = element->getPrecedence();
        if (inRange(precedence) && index->lastOf[precedence] == element) {
            PSList* previous = before == index->head ? nullptr : static_cast<PSList*>(before);
            index->lastOf[precedence] = previous && previous->getPrecedence() == precedence ? previous : nullptr;
        }
    }
}

void SListIndex::destroyed(SList* element)
{
    Registry& r = registry();
    if (!r.maybe(element))
        return;
    auto head = r.heads.find(element);
    if (head != r.heads.end()) {
        Index* index = head->second;
        r.heads.erase(head);
        delist(index, element);
        // Elements outliving their head: forget them too.
        if (index->members > 0)
            for (auto it = r.members.begin(); it != r.members.end();)
                it = it->second == index ? r.members.erase(it) : std::next(it);
        delete index;
        active = !r.heads.empty();
        if (!active)
            memset(r.seen, 0, sizeof r.seen);
        return;
    }
    Index* index = indexOf(element);
    if (!index)
        return;
    // Its fields are gone already: the index cannot tell what it held.
    delist(index, element);
    dropNames(index);
    dropOrder(index);
}

void SListIndex::renamed(SList* element)
{
    if (!active)
        return;
    if (Index* index = indexOf(element))
        dropNames(index);
}

} // namespace kivparser
