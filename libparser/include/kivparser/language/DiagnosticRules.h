#ifndef KIVPARSER_LANGUAGE_DIAGNOSTICRULES_H
#define KIVPARSER_LANGUAGE_DIAGNOSTICRULES_H

#include <kivparser/export.h>

namespace kivparser {

// Every diagnostic of the library has a stable name, its rule: the `rule` of
// a ParserReport, the "[RULE]" of the tool's gnu format, what `kivparser lint
// --disable` and `--enable` take. Names never change meaning; new ones may be
// added. kivparser(1) explains each under RULES. (Added in 0.2.)
struct DiagnosticRule {
    const char* name;     // "duplicate-definition"
    int lintOnly;         // 1: only the linter checks it (it needs the whole merged registration)
    int enabledByDefault; // 0: the linter checks it only when asked (--enable)
    const char* summary;  // one line: what it finds
};

// The number of rules, and rule `index` (0 <= index < count), in a fixed
// order: those of every parse first, then those of the linter.
KIVPARSER_API int diagnosticRuleCount();
KIVPARSER_API const DiagnosticRule* diagnosticRule(int index);
// The rule called `name`, or null.
KIVPARSER_API const DiagnosticRule* findDiagnosticRule(const char* name);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::DiagnosticRule;
using kivparser::diagnosticRuleCount;
using kivparser::diagnosticRule;
using kivparser::findDiagnosticRule;
#endif

#endif
