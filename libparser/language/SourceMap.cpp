#include "language/SourceMap.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/ParserErr.h"
#include "kivparser/language/SourceLocations.h"
#include "language/EntryGuard.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kivparser {

namespace {

// The places of one root, in the order they were recorded: recording is one
// append. Lookups go through an index of the entries sorted by object (and
// by their order), brought up to date when it has fallen far behind; the
// entries recorded since are scanned.
struct Entry {
    const void* object;
    bool definition;
    SourcePlace place;
};

const size_t UNINDEXED_SCANNED = 256;

struct RootTable {
    std::deque<std::string> files; // deque: the texts never move
    std::unordered_set<std::string_view> fileNames; // views of files, to find a name in one step
    std::vector<Entry> entries;
    std::vector<uint32_t> index; // entries [0, index.size()) by object
    // The file name last interned, by the parser's pointer to it.
    const char* lastName = nullptr;
    const char* lastInterned = nullptr;

    void reindex()
    {
        size_t from = index.size();
        index.reserve(entries.size());
        for (size_t i = from; i < entries.size(); i++)
            index.push_back(static_cast<uint32_t>(i));
        auto byObject = [this](uint32_t a, uint32_t b) {
            const void* x = entries[a].object;
            const void* y = entries[b].object;
            return std::less<const void*>()(x, y) || (x == y && a < b);
        };
        std::sort(index.begin() + static_cast<long>(from), index.end(), byObject);
        std::inplace_merge(index.begin(), index.begin() + static_cast<long>(from), index.end(), byObject);
    }

    std::vector<SourcePlace> find(bool definition, const void* object)
    {
        if (entries.size() - index.size() > UNINDEXED_SCANNED)
            reindex();
        std::vector<SourcePlace> places;
        auto first = std::lower_bound(index.begin(), index.end(), object, [this](uint32_t at, const void* wanted) {
            return std::less<const void*>()(entries[at].object, wanted);
        });
        for (auto at = first; at != index.end() && entries[*at].object == object; ++at) {
            if (entries[*at].definition == definition)
                places.push_back(entries[*at].place);
        }
        for (size_t i = index.size(); i < entries.size(); i++) {
            if (entries[i].object == object && entries[i].definition == definition)
                places.push_back(entries[i].place);
        }
        return places;
    }
};

std::mutex& mapLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_map<const void*, std::unique_ptr<RootTable>>& roots()
{
    static auto* table = new std::unordered_map<const void*, std::unique_ptr<RootTable>>();
    return *table;
}

// The root of the parse at work on this thread, and its table (valid while
// the parse runs: its root cannot be destroyed meanwhile).
thread_local const void* rootHere = nullptr;
thread_local RootTable* tableHere = nullptr;

const char* intern(RootTable& table, const char* name)
{
    if (!name)
        return nullptr;
    // The parser's text may be a new one at a freed one's address: the
    // pointer alone proves nothing.
    if (table.lastName == name && table.lastInterned && std::strcmp(table.lastInterned, name) == 0)
        return table.lastInterned;
    auto known = table.fileNames.find(std::string_view(name));
    if (known != table.fileNames.end()) {
        table.lastName = name;
        table.lastInterned = known->data();
        return known->data();
    }
    table.files.emplace_back(name);
    try {
        table.fileNames.insert(std::string_view(table.files.back()));
    } catch (...) {
        table.files.pop_back();
        throw;
    }
    table.lastName = name;
    table.lastInterned = table.files.back().c_str();
    return table.lastInterned;
}

// The table of the root at work, made on first use; null without a root.
// The caller holds the map's lock.
RootTable* tableOfRootHere()
{
    if (!rootHere)
        return nullptr;
    if (!tableHere) {
        std::unique_ptr<RootTable>& table = roots()[rootHere];
        if (!table)
            table.reset(new RootTable());
        tableHere = table.get();
    }
    return tableHere;
}

void record(bool definition, const void* object, const SourceSpan& span)
{
    if (!rootHere || !object || span.line <= 0)
        return;
    KivParser* parser = KivParser::parserAtWork();
    try {
        std::lock_guard<std::mutex> guard(mapLock());
        RootTable* table = tableOfRootHere();
        table->entries.push_back(Entry{object, definition, {intern(*table, parser ? parser->filename : nullptr), span}});
    } catch (...) {
        nomemory();
    }
}

std::vector<SourcePlace> lookup(bool definition, const void* root, const void* object)
{
    std::vector<SourcePlace> places;
    try {
        std::lock_guard<std::mutex> guard(mapLock());
        auto table = roots().find(root);
        if (table != roots().end())
            places = table->second->find(definition, object);
    } catch (...) {
        nomemory();
        places.clear();
    }
    return places;
}

} // namespace

void SourceMap::startParse()
{
    rootHere = nullptr;
    tableHere = nullptr;
}

void SourceMap::parseInto(const void* root)
{
    if (root != rootHere)
        tableHere = nullptr;
    rootHere = root;
}

void SourceMap::defined(const void* object, const char* name)
{
    SourceSpan span;
    if (TokenPositions::spanOfText(name, &span))
        record(true, object, span);
}

void SourceMap::used(const void* object, const char* name)
{
    SourceSpan span;
    if (TokenPositions::spanOfText(name, &span))
        record(false, object, span);
}

void SourceMap::definedAt(const void* object, const SourceSpan& span)
{
    record(true, object, span);
}

void SourceMap::usedAt(const void* object, const SourceSpan& span)
{
    record(false, object, span);
}

std::vector<SourcePlace> SourceMap::definitions(const void* root, const void* object)
{
    return lookup(true, root, object);
}

std::vector<SourcePlace> SourceMap::uses(const void* root, const void* object)
{
    return lookup(false, root, object);
}

std::vector<SourcePlace> SourceMap::definitionsHere(const void* object)
{
    return rootHere ? lookup(true, rootHere, object) : std::vector<SourcePlace>();
}

std::vector<SourcePlace> SourceMap::usesHere(const void* object)
{
    return rootHere ? lookup(false, rootHere, object) : std::vector<SourcePlace>();
}

const char* SourceMap::fileHere()
{
    KivParser* parser = KivParser::parserAtWork();
    if (!rootHere || !parser || !parser->filename)
        return nullptr;
    try {
        std::lock_guard<std::mutex> guard(mapLock());
        return intern(*tableOfRootHere(), parser->filename);
    } catch (...) {
        nomemory();
        return nullptr;
    }
}

void SourceMap::release(const void* root)
{
    std::unique_ptr<RootTable> gone;
    {
        std::lock_guard<std::mutex> guard(mapLock());
        auto table = roots().find(root);
        if (table == roots().end())
            return;
        gone = std::move(table->second);
        roots().erase(table);
    }
    if (rootHere == root) {
        rootHere = nullptr;
        tableHere = nullptr;
    }
}

size_t SourceMap::rootCount()
{
    std::lock_guard<std::mutex> guard(mapLock());
    return roots().size();
}

namespace {

int copyPlaces(const std::vector<SourcePlace>& found, SourceLocation* places, int max)
{
    for (size_t i = 0; places && i < found.size() && static_cast<int>(i) < max; i++) {
        const SourceSpan& span = found[i].span;
        places[i] = SourceLocation{found[i].file, span.line, span.column, span.endLine, span.endColumn};
    }
    return static_cast<int>(found.size());
}

} // namespace

int findDefinitions(const void* root, const void* object, SourceLocation* places, int max)
{
    return guarded(0, [&] { return copyPlaces(SourceMap::definitions(root, object), places, max); });
}

int findUses(const void* root, const void* object, SourceLocation* places, int max)
{
    return guarded(0, [&] { return copyPlaces(SourceMap::uses(root, object), places, max); });
}

} // namespace kivparser
