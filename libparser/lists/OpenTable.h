// Private: included by the lists folder and the walks of the application and dump folders.
#ifndef KIVPARSER_LISTS_OPENTABLE_H
#define KIVPARSER_LISTS_OPENTABLE_H

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "kivparser/language/ParserErr.h"

namespace kivparser {

// A hash table with open addressing and linear probing over plain slots: no
// node per entry, no copy of a key. `Slot` is trivially copyable, all zero
// bytes mean empty, and it gives its hash (`hash()`, stored or computed from
// the key) and whether it is used (`used()`). Several slots may share a hash;
// callers tell them apart with the predicate of find(). Removal shifts the
// following slots back, so no tombstones accumulate. A table that cannot
// grow (out of memory) reports it through insert(), and the caller then does
// without it.
template <class Slot>
class OpenTable {
public:
    OpenTable() = default;
    ~OpenTable() { free(slotArray); }
    OpenTable(const OpenTable&) = delete;
    OpenTable& operator=(const OpenTable&) = delete;

    size_t size() const { return usedCount; }

    // The first slot from the home of `hash` on for which `match` holds.
    template <class Match>
    Slot* find(uint32_t hash, Match match)
    {
        if (!usedCount)
            return nullptr;
        for (size_t at = hash & slotMask;; at = (at + 1) & slotMask) {
            Slot& slot = slotArray[at];
            if (!slot.used())
                return nullptr;
            if (slot.hash() == hash && match(slot))
                return &slot;
        }
    }

    // A free slot on the probe path of `hash`, for the caller to fill; null
    // when the table cannot grow.
    Slot* insert(uint32_t hash)
    {
        if ((usedCount + 1) * 4 > slotCount * 3 && !grow())
            return nullptr;
        size_t at = hash & slotMask;
        while (slotArray[at].used())
            at = (at + 1) & slotMask;
        ++usedCount;
        return &slotArray[at];
    }

    void erase(Slot* slot)
    {
        size_t hole = static_cast<size_t>(slot - slotArray);
        for (size_t at = (hole + 1) & slotMask; slotArray[at].used(); at = (at + 1) & slotMask) {
            // A slot may fill the hole when the hole lies on its probe path.
            size_t home = slotArray[at].hash() & slotMask;
            if (((at - home) & slotMask) >= ((at - hole) & slotMask)) {
                slotArray[hole] = slotArray[at];
                hole = at;
            }
        }
        memset(static_cast<void*>(&slotArray[hole]), 0, sizeof(Slot));
        --usedCount;
    }

    // Removes every slot for which `drop` holds.
    template <class Drop>
    void eraseIf(Drop drop)
    {
        for (size_t at = 0; at < slotCount;) {
            if (slotArray[at].used() && drop(slotArray[at]))
                erase(&slotArray[at]); // a later slot may have moved here
            else
                ++at;
        }
    }

    void clear()
    {
        free(slotArray);
        slotArray = nullptr;
        slotCount = slotMask = usedCount = 0;
    }

private:
    bool grow()
    {
        size_t capacity = slotCount ? slotCount * 2 : 16;
        Slot* slots = static_cast<Slot*>(calloc(capacity, sizeof(Slot)));
        if (!slots) {
            nomemory();
            return false;
        }
        size_t mask = capacity - 1;
        for (size_t i = 0; i < slotCount; ++i) {
            if (!slotArray[i].used())
                continue;
            size_t at = slotArray[i].hash() & mask;
            while (slots[at].used())
                at = (at + 1) & mask;
            slots[at] = slotArray[i];
        }
        free(slotArray);
        slotArray = slots;
        slotCount = capacity;
        slotMask = mask;
        return true;
    }

    Slot* slotArray = nullptr;
    size_t slotCount = 0;
    size_t slotMask = 0;
    size_t usedCount = 0;
};

// The hash of an address.
inline uint32_t addressHash(const void* address)
{
    uint64_t x = reinterpret_cast<uintptr_t>(address);
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<uint32_t>(x);
}

// A table keyed by address, with a value per key.
template <class Value>
class PointerTable {
public:
    Value* find(const void* key)
    {
        Slot* slot = entries.find(addressHash(key), [key](const Slot& s) { return s.key == key; });
        return slot ? &slot->value : nullptr;
    }

    // The value of `key`, made (zero) when absent; null when the table
    // cannot grow.
    Value* findOrAdd(const void* key, bool* added = nullptr)
    {
        uint32_t hash = addressHash(key);
        Slot* slot = entries.find(hash, [key](const Slot& s) { return s.key == key; });
        if (added)
            *added = !slot;
        if (!slot) {
            slot = entries.insert(hash);
            if (!slot)
                return nullptr;
            slot->key = key;
        }
        return &slot->value;
    }

    bool erase(const void* key)
    {
        Slot* slot = entries.find(addressHash(key), [key](const Slot& s) { return s.key == key; });
        if (slot)
            entries.erase(slot);
        return slot != nullptr;
    }

    template <class Drop>
    void eraseIf(Drop drop)
    {
        entries.eraseIf([&drop](const Slot& s) { return drop(s.value); });
    }

    size_t size() const { return entries.size(); }
    void clear() { entries.clear(); }

private:
    struct Slot {
        const void* key;
        Value value;
        bool used() const { return key != nullptr; }
        uint32_t hash() const { return addressHash(key); }
    };
    OpenTable<Slot> entries;
};

} // namespace kivparser

#endif
