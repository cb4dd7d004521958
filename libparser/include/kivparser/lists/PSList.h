#ifndef KIVPARSER_LISTS_PSLIST_H
#define KIVPARSER_LISTS_PSLIST_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

enum PSListOrder { PSLfifo = 0, PSLprecedence = 1, PSLpriority = 2 };

// A list element with a precedence. Behind a head of order PSLprecedence or
// PSLpriority new elements are placed by descending precedence, then by the
// rank and name of their application, then in order of arrival; behind a
// PSLfifo head they go first, so such a list holds its elements newest first.
class KIVPARSER_API PSList : public SList {
public:
    PSList(PSListOrder order, int precedence, int defaultPrecedence);

    int getPrecedence();
    void append(SList* item) override;
    void add(PSList* item);

    PSList* next() { return static_cast<PSList*>(_next); }

    int defaultPrecedence;
    int precedence;
    PSListOrder order;

protected:
    ~PSList() = default;
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::PSListOrder;
using kivparser::PSLfifo;
using kivparser::PSLprecedence;
using kivparser::PSLpriority;
using kivparser::PSList;
#endif

#endif
