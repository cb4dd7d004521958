#include "lists/PSList.h"
#include "application/Application.h"

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
    if (order == PSLprecedence || order == PSLpriority) {
        Application* app = item->getApplication();
        int prec = item->getPrecedence();
        int usePriority = order == PSLpriority;
        for (cursor = next(); cursor; cursor = cursor->next()) {
            int p = cursor->getPrecedence();
            if (p < prec)
                break;
            if (p == prec && Application::collate(app, cursor->getApplication(), usePriority) < 0)
                break;
            at = cursor;
        }
    }
    if (!cursor) {
        SList::append(item);
        return;
    }
    at->insert(item);
}
