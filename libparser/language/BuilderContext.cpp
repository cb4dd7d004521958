#include "language/BuilderContext.h"
#include "language/DiagnosticRuleNames.h"
#include "language/ReportDetails.h"

namespace kivparser {

KivParser* BuilderContext::parser(int check)
{
    KivParser* at = KivParser::current;
    if (!at)
        internal(check);
    return at;
}

void BuilderContext::reportDuplicate(const void* object, const SourceSpan* place, const char* kind, const char* name)
{
    ReportDetails details;
    if (place)
        details.at(*place);
    std::vector<SourcePlace> first = SourceMap::definitionsHere(object);
    if (!first.empty()) {
        // File names are kept once per root: the same file, the same pointer.
        if (first.front().file != SourceMap::fileHere())
            details.rule(RULE_SHADOWED_DEFINITION);
        details.related(first.front().file, first.front().span.line, first.front().span.column, "first defined here");
    }
    warning(parserMsg(MSG_DUPLICATE), kind, name);
}

} // namespace kivparser
