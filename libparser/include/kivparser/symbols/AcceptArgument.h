#ifndef KIVPARSER_SYMBOLS_ACCEPTARGUMENT_H
#define KIVPARSER_SYMBOLS_ACCEPTARGUMENT_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class String;

// A command-line option a CGI accepts, with the argument values allowed for
// it; `isNoArgs` is 1 when the option takes no argument at all.
class KIVPARSER_API AcceptArgument final : public SList {
public:
    AcceptArgument();
    explicit AcceptArgument(char* name);
    ~AcceptArgument();

    AcceptArgument* next() { return static_cast<AcceptArgument*>(_next); }

    void setOptionArgs(String* list);
    void setOptionWithoutArgs();

    char* optionName;
    String* optionArgs;
    int isNoArgs;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::AcceptArgument;
#endif

#endif
