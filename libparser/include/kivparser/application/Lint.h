#ifndef KIVPARSER_APPLICATION_LINT_H
#define KIVPARSER_APPLICATION_LINT_H

#include <kivparser/export.h>

namespace kivparser {

class ApplicationRegistration;

// Checks that need the whole merged registration, after a load (or after the
// files of `kivparser check` were parsed into one registration): each finding
// is a warning report (RPT_WARNING) with its rule (DiagnosticRules.h), the
// place to fix and related places, made to the calling thread's report
// handler; without a handler it is printed as a framed warning. Nothing is
// counted on any parser. The places come from the registration's source map
// (see findDefinitions of SourceLocations.h): an object made outside a parse
// is reported without a place.
//
// `rules` names the linter rules to run (`count` of them; unknown names and
// rules of the parse are ignored); null runs those enabled by default.
// Returns the number of findings. (Added in 0.2.)
KIVPARSER_API int lintApplications(const ApplicationRegistration* reg, const char* const* rules, int count);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::lintApplications;
#endif

#endif
