#include "language/ParseDamage.h"

namespace kivparser {

namespace {

// A parse runs on its caller's thread, and so do its reports.
thread_local long events = 0;
thread_local ParseDamage::Reason why = ParseDamage::PDM_NONE;

} // namespace

void ParseDamage::reset()
{
    events = 0;
    why = PDM_NONE;
}

void ParseDamage::record()
{
    ++events;
}

void ParseDamage::giveUp(Reason reason)
{
    ++events;
    if (why == PDM_NONE)
        why = reason;
}

long ParseDamage::count()
{
    return events;
}

bool ParseDamage::givenUp()
{
    return why != PDM_NONE;
}

ParseDamage::Reason ParseDamage::reason()
{
    return why;
}

bool ParseDamage::handlerFailed()
{
    return why == PDM_HANDLER_FAILED;
}

} // namespace kivparser
