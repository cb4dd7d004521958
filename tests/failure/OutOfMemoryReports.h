#ifndef KIVPARSER_TESTS_FAILURE_OUTOFMEMORYREPORTS_H
#define KIVPARSER_TESTS_FAILURE_OUTOFMEMORYREPORTS_H

// For the allocation-failure programs: a report handler that counts the
// library's out-of-memory reports and allocates nothing itself.

#include <kivparser/kivparser.h>

namespace failing {

// The out-of-memory reports since the program last set it to 0.
inline int outOfMemoryReports = 0;

inline void countOutOfMemory(const kivparser::ParserReport* report, void*)
{
    if (report->kind == kivparser::RPT_NOMEMORY)
        ++outOfMemoryReports;
}

} // namespace failing

#endif
