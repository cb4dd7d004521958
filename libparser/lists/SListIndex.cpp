#include "lists/SListIndex.h"
#include "kivparser/application/Application.h"
#include "kivparser/lists/PSList.h"
#include "kivparser/lists/SList.h"
#include "lists/ApplicationOrder.h"
#include "lists/LoadScope.h"

#include <cstring>

namespace kivparser {

namespace {

// The hash of a name; never 0, which stands for "no name".
uint32_t nameHash(const char* name)
{
    uint32_t hash = 2166136261u;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p)
        hash = (hash ^ *p) * 16777619u;
    hash ^= hash >> 15;
    hash *= 0x2c1b3c6du;
    hash ^= hash >> 12;
    return hash ? hash : 1;
}

const char* nameAt(SList* element, std::ptrdiff_t offset)
{
    return *reinterpret_cast<char**>(reinterpret_cast<char*>(element) + offset);
}

bool inRange(int precedence) { return precedence >= 0 && precedence <= SListIndex::MAX_PRECEDENCE; }

// One slot of a name table: the first element of a name and the name's hash.
struct NameSlot {
    uint32_t nameHash;
    SList* element;
    bool used() const { return element != nullptr; }
    uint32_t hash() const { return nameHash; }
};

// The slot of `name` (whose hash is `hash`) in a name table.
NameSlot* slotOf(OpenTable<NameSlot>& table, std::ptrdiff_t offset, uint32_t hash, const char* name)
{
    return table.find(hash, [name, offset](const NameSlot& s) { return strcmp(nameAt(s.element, offset), name) == 0; });
}

} // namespace

struct SListIndex::List {
    SList* head = nullptr;
    SList* last = nullptr; // the last element of the chain (the head when empty)
    long members = 0;      // elements in the members table that name this list

    bool names = false;
    std::ptrdiff_t offset = 0;
    bool duplicates = false; // some name occurs more than once
    OpenTable<NameSlot> first;

    bool order = false;
    bool unsortable = false; // found unsorted once: never indexed again
    int usePriority = 0;
    OrderTree tree; // every element, its key (see keyOf) with it

    explicit List(SListIndex* index) : tree(&SListIndex::moved, index) {}
};

SListIndex::SListIndex() : linkingHead(nullptr), pendingHead(nullptr), classes(new (std::nothrow) ApplicationOrder())
{
}

SListIndex::~SListIndex()
{
    for (List* list : listTable)
        delete list;
    delete classes;
}

void SListIndex::moved(void* index, void* element, uint32_t leaf)
{
    if (Entry* entry = static_cast<SListIndex*>(index)->memberTable.find(element))
        entry->node = leaf;
}

// The key of an element of a sorted list in its tree: what orders it, as
// numbers that compare as the walk compares the elements. From the high
// bits down: 100 less the precedence, the rank of the application (only
// where the list orders by rank too), the number of its name class; the
// labels of the classes are compared where two keys differ only there.
// False when the element cannot have one (a precedence out of range, a
// rank beyond what the key holds, no memory for a new class).
bool SListIndex::keyOf(int precedence, Application* app, int usePriority, uint64_t* key)
{
    unsigned rank = usePriority ? static_cast<unsigned>(app ? app->priority : AppOTHER) : 0;
    uint32_t nameClass = classes && inRange(precedence) && rank <= 0xff ? classes->classOf(app) : 0;
    if (!nameClass)
        return false;
    *key = uint64_t(MAX_PRECEDENCE - precedence) << 40 | uint64_t(rank) << 32 | nameClass;
    return true;
}

// Whether an element of key `key` goes behind one of key `other` (the walk
// passes `other` on its way).
bool SListIndex::notBefore(uint64_t key, uint64_t other)
{
    if (key >> 32 != other >> 32)
        return key >> 32 > other >> 32;
    return classes->label(static_cast<uint32_t>(key)) >= classes->label(static_cast<uint32_t>(other));
}

SListIndex* SListIndex::atWork()
{
    return LoadScope::listIndex();
}

SListIndex::List* SListIndex::listOf(SList* element)
{
    Entry* entry = headTable.find(element);
    if (!entry)
        entry = memberTable.find(element);
    return entry ? listTable[entry->list] : nullptr;
}

SListIndex::List* SListIndex::listFor(SList* head)
{
    bool added = false;
    Entry* entry = headTable.findOrAdd(head, &added);
    if (!entry)
        return nullptr;
    if (!added)
        return listTable[entry->list];
    List* list = new (std::nothrow) List(this);
    if (!list || (unusedCount.empty() && !listTable.push(nullptr))) {
        delete list;
        headTable.erase(head);
        return nullptr;
    }
    list->head = head;
    if (unusedCount.empty()) {
        entry->list = static_cast<uint32_t>(listTable.size() - 1);
    } else {
        entry->list = unusedCount.top();
        unusedCount.pop();
    }
    listTable[entry->list] = list;
    return list;
}

// Records `element` as a member of `list` (null when there is no room: the
// list is then indexed no more). `wasThere` tells whether it was recorded as
// a member already.
SListIndex::Entry* SListIndex::enlist(List* list, SList* element, uint32_t hash, bool* wasThere)
{
    bool added = false;
    Entry* entry = memberTable.findOrAdd(element, &added);
    if (!entry) {
        dropNames(list);
        dropOrder(list);
        return nullptr;
    }
    uint32_t number = headTable.find(list->head)->list;
    if (added) {
        list->members++;
    } else if (entry->list != number) {
        // Linked elsewhere while another list still counted it (it went
        // without being taken out): that list's order no longer holds.
        List* other = listTable[entry->list];
        other->members--;
        dropOrder(other);
        list->members++;
    }
    bool there = !added && entry->list == number;
    if (wasThere)
        *wasThere = there;
    if (!there)
        entry->node = 0;
    entry->list = number;
    entry->hash = hash;
    return entry;
}

// Drops every index of `list` and the list itself (its head is going).
void SListIndex::forget(List* list)
{
    Entry* head = headTable.find(list->head);
    uint32_t number = head->list;
    headTable.erase(list->head);
    if (list->members > 0)
        memberTable.eraseIf([number](const Entry& entry) { return entry.list == number; });
    // A number that cannot be kept for reuse is simply not used again.
    listTable[number] = nullptr;
    unusedCount.push(number);
    delete list;
}

void SListIndex::dropNames(List* list)
{
    if (!list->names)
        return;
    list->names = false;
    list->duplicates = false;
    list->first.clear();
}

void SListIndex::dropOrder(List* list)
{
    if (!list->order)
        return;
    list->order = false;
    list->tree.clear();
}

SList* SListIndex::find(List* list, const char* name)
{
    NameSlot* slot = slotOf(list->first, list->offset, nameHash(name), name);
    return slot ? slot->element : nullptr;
}

// `element`, whose name had `hash`, no longer holds its name in the list.
void SListIndex::unname(List* list, SList* element, uint32_t hash)
{
    if (!list->names || !hash)
        return;
    NameSlot* slot = list->first.find(hash, [element](const NameSlot& s) { return s.element == element; });
    if (!slot)
        return;
    // The next element of the name, if any, is not known.
    if (list->duplicates)
        dropNames(list);
    else
        list->first.erase(slot);
}

void SListIndex::buildNames(SList* head, std::ptrdiff_t offset)
{
    List* list = listFor(head);
    if (!list)
        return;
    dropNames(list);
    list->names = true;
    list->offset = offset;
    list->last = head;
    for (SList* element = head->_next; element && list->names; element = element->_next) {
        list->last = element;
        const char* name = nameAt(element, offset);
        uint32_t hash = name ? nameHash(name) : 0;
        enlist(list, element, hash);
        if (!name || !list->names)
            continue;
        if (slotOf(list->first, offset, hash, name)) {
            list->duplicates = true;
            continue;
        }
        NameSlot* slot = list->first.insert(hash);
        if (!slot) {
            dropNames(list);
            break;
        }
        *slot = {hash, element};
    }
    // The head is looked up like any element, first of all.
    const char* name = list->names ? nameAt(head, offset) : nullptr;
    if (name) {
        uint32_t hash = nameHash(name);
        NameSlot* slot = slotOf(list->first, offset, hash, name);
        if (slot) {
            list->duplicates = true;
            slot->element = head;
        } else if ((slot = list->first.insert(hash))) {
            *slot = {hash, head};
        } else {
            dropNames(list);
        }
    }
}

void SListIndex::buildOrder(PSList* head)
{
    List* list = listFor(head);
    if (!list || list->unsortable)
        return;
    dropOrder(list);
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
            list->unsortable = true;
            return;
        }
    }
    list->order = true;
    list->usePriority = usePriority;
    list->last = head;
    for (PSList* element = head->next(); element; element = element->next()) {
        list->last = element;
        if (!list->order)
            continue; // the last element is still wanted
        Entry* entry = memberTable.find(element);
        entry = enlist(list, element, entry && listTable[entry->list] == list ? entry->hash : 0);
        uint64_t key = 0;
        OrderTree::Place place{0, -1};
        if (entry && list->order && keyOf(element->getPrecedence(), element->getApplication(), usePriority, &key))
            place = list->tree.append(key, element);
        if (!place.valid())
            dropOrder(list); // no memory for the tree (or no key): the walks do without
        else if (entry)
            entry->node = place.leaf;
    }
}

SList* SListIndex::lookup(SList* head, std::ptrdiff_t offset, const char* name)
{
    if (!head || !name)
        return nullptr;
    SListIndex* index = atWork();
    if (index) {
        Entry* entry = index->headTable.find(head);
        List* list = entry ? index->listTable[entry->list] : nullptr;
        if (list && list->names && list->offset == offset)
            return index->find(list, name);
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
    if (index && steps >= MIN_LENGTH)
        index->buildNames(head, offset);
    return result;
}

PSList* SListIndex::sortedStart(PSList* head, int precedence, Application* app, int usePriority, bool* exact)
{
    *exact = false;
    SListIndex* index = atWork();
    Entry* entry = index ? index->headTable.find(head) : nullptr;
    List* list = entry ? index->listTable[entry->list] : nullptr;
    if (!list || !list->order)
        return head;
    uint64_t key = 0;
    if (list->usePriority != usePriority || !index->keyOf(precedence, app, usePriority, &key)) {
        index->dropOrder(list);
        return head;
    }
    // Behind the last element that the walk would pass.
    OrderTree::Place place =
        list->tree.lastWhere([index, key](uint64_t other) { return index->notBefore(key, other); });
    PSList* at = place.valid() ? static_cast<PSList*>(list->tree.item(place)) : head;
    index->pendingHead = head;
    index->pendingAt = at;
    index->pendingPlace = place;
    index->pendingKey = key;
    *exact = true;
    return at;
}

void SListIndex::linking(PSList* head)
{
    if (SListIndex* index = atWork())
        index->linkingHead = head;
}

void SListIndex::placed(PSList* head, int steps)
{
    SListIndex* index = atWork();
    if (!index)
        return;
    index->linkingHead = nullptr;
    index->pendingHead = nullptr;
    Entry* entry = index->headTable.find(head);
    List* list = entry ? index->listTable[entry->list] : nullptr;
    if (steps >= MIN_LENGTH && !(list && list->order))
        index->buildOrder(head);
}

SList* SListIndex::before(SList* head, SList* item)
{
    SListIndex* index = atWork();
    Entry* entry = index && item ? index->memberTable.find(item) : nullptr;
    if (!entry)
        return nullptr;
    List* list = index->listTable[entry->list];
    if (list->head != head || !list->order)
        return nullptr;
    OrderTree::Place place = list->tree.find(entry->node, item);
    if (!place.valid())
        return nullptr;
    OrderTree::Place previous = list->tree.previous(place);
    return previous.valid() ? static_cast<SList*>(list->tree.item(previous)) : head;
}

// `item`, recorded in `entry`, went in right behind `at` through the sorted
// add of the list's head: its entry goes behind that of `at` (which the
// search for its place has usually just found).
void SListIndex::place(List* list, SList* at, SList* item, Entry* entry)
{
    OrderTree::Place after{0, -1};
    uint64_t key = 0;
    bool known = pendingHead == list->head && pendingAt == at;
    pendingHead = nullptr;
    if (known) {
        after = pendingPlace;
        key = pendingKey;
    } else {
        PSList* element = static_cast<PSList*>(item);
        if (!keyOf(element->getPrecedence(), element->getApplication(), list->usePriority, &key)) {
            dropOrder(list);
            return;
        }
        if (at != list->head) {
            Entry* atEntry = memberTable.find(at);
            if (atEntry && listTable[atEntry->list] == list)
                after = list->tree.find(atEntry->node, at);
            if (!after.valid()) {
                dropOrder(list);
                return;
            }
        }
    }
    OrderTree::Place place = list->tree.insertAfter(after, key, item);
    if (place.valid())
        entry->node = place.leaf;
    else
        dropOrder(list);
}

void SListIndex::linked(SList* head, SList* at, SList* item)
{
    if (!head)
        head = linkingHead;
    List* list = nullptr;
    if (head) {
        Entry* entry = headTable.find(head);
        list = entry ? listTable[entry->list] : nullptr;
    } else {
        list = listOf(at);
    }
    if (!list || (!list->names && !list->order))
        return;
    if (!item->_next) {
        // Appended behind an element that is no longer in the list (a head's
        // _tail is not repaired when its last element is taken out through
        // another element): the item is not in the list either.
        if (at != list->last)
            return;
        list->last = item;
    }
    const char* name = list->names ? nameAt(item, list->offset) : nullptr;
    uint32_t hash = name ? nameHash(name) : 0;
    bool wasThere = false;
    Entry* entry = enlist(list, item, hash, &wasThere);
    // Only the sorted add of the head keeps the order; an element linked
    // again while still counted in (through another path) spoils it.
    if (list->order && (linkingHead != list->head || wasThere))
        dropOrder(list);
    if (entry && list->order)
        place(list, at, item, entry);
    if (name && list->names) {
        NameSlot* slot = slotOf(list->first, list->offset, hash, name);
        if (!slot) {
            if ((slot = list->first.insert(hash)))
                *slot = {hash, item};
            else
                dropNames(list);
        } else {
            list->duplicates = true;
            // First of its name when it went in right behind the head
            // (unless the head holds the name); after the element that held
            // it so far when it is last; anywhere else its place among them
            // is not known.
            if (at == list->head) {
                if (slot->element != list->head)
                    slot->element = item;
            } else if (item->_next) {
                dropNames(list);
            }
        }
    }
}

void SListIndex::unlinked(SList* before, SList* item)
{
    Entry* entry = memberTable.find(item);
    if (!entry)
        return;
    List* list = listTable[entry->list];
    uint32_t hash = entry->hash;
    OrderTree::Node leaf = entry->node;
    memberTable.erase(item);
    list->members--;
    if (list->last == item)
        list->last = before;
    unname(list, item, hash);
    if (list->order) {
        OrderTree::Place place = list->tree.find(leaf, item);
        if (place.valid())
            list->tree.erase(place);
        else
            dropOrder(list);
    }
}

void SListIndex::destroyed(SList* element)
{
    if (Entry* head = headTable.find(element)) {
        forget(listTable[head->list]);
        return;
    }
    Entry* entry = memberTable.find(element);
    if (!entry)
        return;
    List* list = listTable[entry->list];
    memberTable.erase(element);
    list->members--;
    // Its name and place are gone already.
    dropNames(list);
    dropOrder(list);
}

void SListIndex::renamed(SList* element)
{
    SListIndex* index = atWork();
    Entry* entry = index ? index->memberTable.find(element) : nullptr;
    if (!entry)
        return;
    List* list = index->listTable[entry->list];
    if (!list->names)
        return;
    index->unname(list, element, entry->hash);
    if (!list->names)
        return;
    const char* name = nameAt(element, list->offset);
    uint32_t hash = name ? nameHash(name) : 0;
    entry->hash = hash;
    if (!name)
        return;
    if (slotOf(list->first, list->offset, hash, name)) {
        // Which of the two comes first is not known.
        index->dropNames(list);
        return;
    }
    if (NameSlot* slot = list->first.insert(hash))
        *slot = {hash, element};
    else
        index->dropNames(list);
}

} // namespace kivparser
