#ifndef KIVPARSER_APPLICATION_PARSERLIST_H
#define KIVPARSER_APPLICATION_PARSERLIST_H

#include <kivparser/export.h>
#include <kivparser/application/_ParserList.h>

namespace kivparser {

// A named list of list items, reached from tabs and other lists through
// f.list. The registration holds its lists newest first.
class KIVPARSER_API ParserList final : public _ParserList {
public:
    ParserList();
    explicit ParserList(char* id);
    ~ParserList();

    ParserList* next() { return static_cast<ParserList*>(_next); }

    // "ParserList \"name\" {" block with its items and their links.
    void debugDump();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::ParserList;
#endif

#endif
