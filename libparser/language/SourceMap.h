// Private: included by the language folder, the builders, the registration roots (their destructors release their entries) and the linter.
#ifndef KIVPARSER_LANGUAGE_SOURCEMAP_H
#define KIVPARSER_LANGUAGE_SOURCEMAP_H

#include "language/TokenPositions.h"

#include <cstddef>
#include <vector>

namespace kivparser {

// One place in a registration file: the file as the parser named it (null
// for standard input) and the span of the name written there.
struct SourcePlace {
    const char* file;
    SourceSpan span;
};

// Where the objects of a registration were defined and used: a side table
// that the builders fill while they parse, kept beside the model (whose
// classes keep their layout). Keyed by the object's address, per
// registration root: the entries of a root go when the root is destroyed
// (its destructor calls release). Objects made outside a parse have no
// entries.
//
//  - A definition is a block that defines the object (Menu "File" { ... },
//    Action "Open" { ... }): the span of its name. An object may have several
//    (a menu's blocks are merged, also across the files of one load), in the
//    order they were read.
//  - A use is an entry that names the object as its target (f.action,
//    f.menu, f.list, a popup item's popup menu): the span of the target's
//    name in that entry.
//  - An entry (menu item, popup item, toolbar button, list item) is
//    recorded as a definition of its item object at the span of its label,
//    a function reference (f.name in an entry) as a definition of its
//    Function object at the span of the f.name token.
//
// File names are copied once per root and live as long as it: the `file` of
// a SourcePlace stays valid until the root is destroyed.
//
// An object that the model deletes while its root lives (a cascade that
// folding removes) leaves its entries behind until the root goes; lookups
// start from live objects, so they are never reached, and an object made
// later at the same address by a parse gets entries of its own after them.
//
// For an editor (a language server): parse the buffer with a KivParser from
// SourceText, take the reports (ranges from positionLine/column to
// endLine/endColumn), find an object by name with the model's lookups and
// its definitions and uses here. Completion: parse the buffer cut at the
// cursor; the syntax error at its end carries the tokens that may follow
// (ParserReport::expected, from ExpectedTokens).
//
// Thread safety: recording happens during a parse (under the parse lock);
// release and the queries may come from any thread, and take the map's own
// lock. Queries return copies.
class SourceMap final {
public:
    // A parse starts on this thread: nothing is recorded until its root is
    // known.
    static void startParse();
    // The parse at work builds into `root` (the registration the grammar's
    // first action made or was given).
    static void parseInto(const void* root);

    // `object` is defined, or used, at the name whose scanner text is
    // `name` (the very pointer the scanner handed out; see
    // TokenPositions::spanOfText). Nothing is recorded when its place is no
    // longer known. Memory running out is reported (nomemory).
    static void defined(const void* object, const char* name);
    static void used(const void* object, const char* name);
    // The same at a known span of the file being parsed.
    static void definedAt(const void* object, const SourceSpan& span);
    static void usedAt(const void* object, const SourceSpan& span);

    // The places recorded for `object` in `root`, in the order they were read.
    static std::vector<SourcePlace> definitions(const void* root, const void* object);
    static std::vector<SourcePlace> uses(const void* root, const void* object);
    // The same during a parse, in the root at work.
    static std::vector<SourcePlace> definitionsHere(const void* object);
    static std::vector<SourcePlace> usesHere(const void* object);
    // The file being parsed as the map keeps it (stable while the root lives).
    static const char* fileHere();

    // Drops every entry of `root`.
    static void release(const void* root);
    // The number of roots that have entries (for tests: nothing is left).
    static size_t rootCount();
};

} // namespace kivparser

#endif
