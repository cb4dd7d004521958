#include "kivparser/lists/PSList.h"
#include "kivparser/application/Application.h"
#include "lists/SListIndex.h"

namespace kivparser {

PSList::PSList(PSListOrder theOrder, int thePrecedence, int theDefaultPrecedence)
    : SList(), defaultPrecedence(theDefaultPrecedence), precedence(thePrecedence), order(theOrder)
{
}

int PSList::getPrecedence()
{
    if (precedence < 0)
        return defaultPrecedence;
    return precedence > 100 ? 100 : precedence;
}

void PSList::append(SList* item)
{
    if (item)
        add(static_cast<PSList*>(item));
}

void PSList::add(PSList* item)
{
    if (!item)
        return;
    SList* at = this;
    PSList* cursor = this;
    if (order != PSLprecedence && order != PSLpriority) {
        SListIndex::linking(this);
        at->insert(item);
        SListIndex::linking(nullptr);
        return;
    }
    Application* app = item->getApplication();
    int prec = item->getPrecedence();
    int usePriority = order == PSLpriority;
    // A long list starts the walk behind the elements it would pass anyway
    // (see SListIndex); the insertion point is the same.
    bool exact = false;
    PSList* start = SListIndex::sortedStart(this, prec, app, usePriority, &exact);
    at = start;
    int steps = 0;
    cursor = start->next();
    for (; cursor && !exact; cursor = cursor->next(), ++steps) {
        int p = cursor->getPrecedence();
        if (p < prec)
            break;
        if (p == prec && Application::collate(app, cursor->getApplication(), usePriority) < 0)
            break;
        at = cursor;
    }
    SListIndex::linking(this);
    if (!cursor)
        SList::append(item);
    else
        at->insert(item);
    SListIndex::placed(this, steps);
}

} // namespace kivparser
