#include "language/SourceMap.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/ParserErr.h"

#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace kivparser {

namespace {

struct RootTable {
    std::deque<std::string> files; // deque: the texts never move
    std::unordered_map<const void*, std::vector<SourcePlace>> definitions;
    std::unordered_map<const void*, std::vector<SourcePlace>> uses;
    // The file name last interned, by the parser's pointer to it.
    const char* lastName = nullptr;
    const char* lastInterned = nullptr;
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

// The root of the parse at work on this thread.
thread_local const void* rootHere = nullptr;

const char* intern(RootTable& table, const char* name)
{
    if (!name)
        return nullptr;
    // The parser's text may be a new one at a freed one's address: the
    // pointer alone proves nothing.
    if (table.lastName == name && table.lastInterned && std::strcmp(table.lastInterned, name) == 0)
        return table.lastInterned;
    for (const std::string& known : table.files) {
        if (known == name) {
            table.lastName = name;
            table.lastInterned = known.c_str();
            return known.c_str();
        }
    }
    table.files.emplace_back(name);
    table.lastName = name;
    table.lastInterned = table.files.back().c_str();
    return table.lastInterned;
}

void record(bool definition, const void* object, const SourceSpan& span)
{
    if (!rootHere || !object || span.line <= 0)
        return;
    KivParser* parser = KivParser::parserAtWork();
    try {
        std::lock_guard<std::mutex> guard(mapLock());
        std::unique_ptr<RootTable>& table = roots()[rootHere];
        if (!table)
            table.reset(new RootTable());
        SourcePlace place = {intern(*table, parser ? parser->filename : nullptr), span};
        (definition ? table->definitions : table->uses)[object].push_back(place);
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
        if (table == roots().end())
            return places;
        auto& entries = definition ? table->second->definitions : table->second->uses;
        auto found = entries.find(object);
        if (found != entries.end())
            places = found->second;
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
}

void SourceMap::parseInto(const void* root)
{
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
        std::unique_ptr<RootTable>& table = roots()[rootHere];
        if (!table)
            table.reset(new RootTable());
        return intern(*table, parser->filename);
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
    if (rootHere == root)
        rootHere = nullptr;
}

size_t SourceMap::rootCount()
{
    std::lock_guard<std::mutex> guard(mapLock());
    return roots().size();
}

} // namespace kivparser
