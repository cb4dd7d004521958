/* Private to the dump folder. */
#ifndef KIVPARSER_DUMP_MODELWALK_H
#define KIVPARSER_DUMP_MODELWALK_H

#include "dump/ModelDescription.h"

#include <cstdio>

namespace kivparser {

// The two walks over the model that read the descriptions: the text dump and
// the JSON export. Both go down the model with a stack of their own instead
// of recursion, so that the depth of the model (expression trees, chains of
// linked menus and lists) never becomes the depth of the C++ stack. A link
// into an object that is being shown is not followed (the parser refuses
// such links; a host may still make one): the text dump leaves it out, the
// JSON export writes the target's name. The caller holds the ParseLock.
class ModelWalk {
public:
    // Prints the object as the text dump shows it, at the current nesting
    // level (DumpWriter's Indent). When memory runs out it says so
    // (nomemory) and stops.
    static void text(const ClassInfo& type, void* object, Context context);
    // Writes the object as one JSON value, every member under its name;
    // false, after saying so (nomemory), when memory ran out.
    static bool json(FILE* out, const ClassInfo& type, void* object);
};

} // namespace kivparser

#endif
